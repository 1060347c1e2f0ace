/* Drops files on an X window as a file manager's drag does (the XDND protocol, version 5). */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* d;
static Window source, target;
static Atom xdnd_aware, xdnd_enter, xdnd_position, xdnd_status, xdnd_drop, xdnd_finished,
    xdnd_selection, xdnd_copy, uri_list;

static void send(Atom type, long l1, long l2, long l3, long l4) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)source;
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3;
    e.xclient.data.l[4] = l4;
    XSendEvent(d, target, False, NoEventMask, &e);
    XFlush(d);
}

/* Waits up to 5 s for a client message of the type, answering requests for the dropped list. */
static int wait_for(Atom type, const char* list, XEvent* out) {
    time_t end = time(NULL) + 5;
    while (time(NULL) < end) {
        if (!XPending(d)) {
            struct timespec rest = {0, 20000000};
            nanosleep(&rest, NULL);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == SelectionRequest) {
            XSelectionRequestEvent* r = &e.xselectionrequest;
            XEvent reply;
            memset(&reply, 0, sizeof reply);
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = r->requestor;
            reply.xselection.selection = r->selection;
            reply.xselection.target = r->target;
            reply.xselection.time = r->time;
            reply.xselection.property = None;
            if (r->target == uri_list) {
                XChangeProperty(d, r->requestor, r->property, uri_list, 8, PropModeReplace,
                                (const unsigned char*)list, (int)strlen(list));
                reply.xselection.property = r->property;
            }
            XSendEvent(d, r->requestor, False, NoEventMask, &reply);
            XFlush(d);
        } else if (e.type == ClientMessage && e.xclient.message_type == type) {
            *out = e;
            return 1;
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: xdnd-drop WINDOW-ID PATH...\n");
        return 2;
    }
    d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xdnd-drop: no display\n");
        return 1;
    }
    target = (Window)strtoul(argv[1], NULL, 0);
#define ATOM(name) XInternAtom(d, name, False)
    xdnd_aware = ATOM("XdndAware");
    xdnd_enter = ATOM("XdndEnter");
    xdnd_position = ATOM("XdndPosition");
    xdnd_status = ATOM("XdndStatus");
    xdnd_drop = ATOM("XdndDrop");
    xdnd_finished = ATOM("XdndFinished");
    xdnd_selection = ATOM("XdndSelection");
    xdnd_copy = ATOM("XdndActionCopy");
    uri_list = ATOM("text/uri-list");

    /* The window must say it takes drops. */
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* version = NULL;
    if (XGetWindowProperty(d, target, xdnd_aware, 0, 1, False, AnyPropertyType, &type, &format,
                           &count, &after, &version) != Success ||
        count == 0) {
        fprintf(stderr, "xdnd-drop: the window takes no drops (no XdndAware)\n");
        return 1;
    }
    XFree(version);

    char list[8192] = "";
    for (int i = 2; i < argc; i++) {
        strncat(list, "file://", sizeof list - strlen(list) - 1);
        strncat(list, argv[i], sizeof list - strlen(list) - 1);
        strncat(list, "\r\n", sizeof list - strlen(list) - 1);
    }
    source = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(d, xdnd_selection, source, CurrentTime);

    Window root_child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, target, DefaultRootWindow(d), 10, 10, &x, &y, &root_child);
    XEvent reply;
    send(xdnd_enter, 5L << 24, (long)uri_list, 0, 0);
    send(xdnd_position, 0, ((long)x << 16) | y, CurrentTime, (long)xdnd_copy);
    if (!wait_for(xdnd_status, list, &reply) || !(reply.xclient.data.l[1] & 1)) {
        fprintf(stderr, "xdnd-drop: the window did not accept the drop\n");
        return 1;
    }
    send(xdnd_drop, 0, CurrentTime, 0, 0);
    if (!wait_for(xdnd_finished, list, &reply)) {
        fprintf(stderr, "xdnd-drop: the drop was not finished\n");
        return 1;
    }
    XCloseDisplay(d);
    return 0;
}
