/* Drops files on an X window as a file manager's drag does (the XDND protocol, version 5). */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* d;
static Window source, target;
enum { AWARE, ENTER, POSITION, STATUS, DROP, FINISHED, SELECTION, COPY, URI_LIST, ATOMS };
static char* names[ATOMS] = {"XdndAware",     "XdndEnter",      "XdndPosition",
                             "XdndStatus",    "XdndDrop",       "XdndFinished",
                             "XdndSelection", "XdndActionCopy", "text/uri-list"};
static Atom atom[ATOMS];

static void send(int type, long l1, long l2, long l3, long l4) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = atom[type];
    e.xclient.format = 32;
    long data[5] = {(long)source, l1, l2, l3, l4};
    memcpy(e.xclient.data.l, data, sizeof data);
    XSendEvent(d, target, False, NoEventMask, &e);
    XFlush(d);
}

/* Waits up to 5 s for a client message of the type, answering requests for the dropped list. */
static int wait_for(int type, const char* list, XEvent* e) {
    for (time_t end = time(NULL) + 5; time(NULL) < end;) {
        if (!XPending(d)) {
            struct timespec rest = {0, 20000000};
            nanosleep(&rest, NULL);
            continue;
        }
        XNextEvent(d, e);
        if (e->type == ClientMessage && e->xclient.message_type == atom[type])
            return 1;
        if (e->type != SelectionRequest)
            continue;
        XSelectionRequestEvent r = e->xselectionrequest;
        XEvent reply;
        memset(&reply, 0, sizeof reply);
        reply.xselection = (XSelectionEvent){SelectionNotify, 0,        0,    0,     r.requestor,
                                             r.selection,     r.target, None, r.time};
        if (r.target == atom[URI_LIST]) {
            XChangeProperty(d, r.requestor, r.property, atom[URI_LIST], 8, PropModeReplace,
                            (const unsigned char*)list, (int)strlen(list));
            reply.xselection.property = r.property;
        }
        XSendEvent(d, r.requestor, False, NoEventMask, &reply);
        XFlush(d);
    }
    return 0;
}

static int fail(const char* why) {
    fprintf(stderr, "xdnd-drop: %s\n", why);
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: xdnd-drop WINDOW-ID PATH...\n");
        return 2;
    }
    if (!(d = XOpenDisplay(NULL)))
        return fail("no display");
    target = (Window)strtoul(argv[1], NULL, 0);
    XInternAtoms(d, names, ATOMS, False, atom);

    /* The window must say it takes drops. */
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* version = NULL;
    if (XGetWindowProperty(d, target, atom[AWARE], 0, 1, False, AnyPropertyType, &type, &format,
                           &count, &after, &version) != Success ||
        count == 0)
        return fail("the window takes no drops (no XdndAware)");
    XFree(version);

    char list[8192] = "";
    for (int i = 2; i < argc; i++)
        snprintf(list + strlen(list), sizeof list - strlen(list), "file://%s\r\n", argv[i]);
    source = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(d, atom[SELECTION], source, CurrentTime);

    Window root_child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, target, DefaultRootWindow(d), 10, 10, &x, &y, &root_child);
    XEvent reply;
    send(ENTER, 5L << 24, (long)atom[URI_LIST], 0, 0);
    send(POSITION, 0, ((long)x << 16) | y, CurrentTime, (long)atom[COPY]);
    if (!wait_for(STATUS, list, &reply) || !(reply.xclient.data.l[1] & 1))
        return fail("the window did not accept the drop");
    send(DROP, 0, CurrentTime, 0, 0);
    if (!wait_for(FINISHED, list, &reply))
        return fail("the drop was not finished");
    XCloseDisplay(d);
    return 0;
}
