/* A weston module that adds a second output to the headless backend, which
 * makes only one itself. The output's size comes from weston.ini's [output]
 * section named "headless2", as the first one's from its own section.
 *
 * With ZUVELO_WESTON_CONTROL naming a path, the module also listens on a
 * named pipe there, so that a test can plug a projector in and out, one
 * command a line:
 *   unplug NAME   the output's monitor is disconnected (the output goes away)
 *   plug NAME     it is connected again, with its size from weston.ini
 *   views         writes what the outputs show, as the compositor placed it,
 *                 to the pipe's path with ".views" added: one line a view,
 *                 tab-separated: "window" with the window's title, "panel"
 *                 for the shell's panels; the output it is mostly on; x, y,
 *                 width, height of the window (its geometry, shadows left out)
 *                 in the desktop's coordinates; and "fullscreen", "maximized"
 *                 or "normal". The file is replaced whole. */
#include <libweston/libweston.h>
#include <libweston/windowed-output-api.h>
#include <libweston-desktop/libweston-desktop.h>

#include <errno.h>
#include <fcntl.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

/* libweston exports this for its backends without installing their header. */
void weston_head_set_connection_status(struct weston_head *head, bool connected);

struct control {
    struct weston_compositor *compositor;
    const char *path;
    /* What came through the pipe after its last full line. */
    char pending[256];
    size_t pending_length;
};

static struct weston_head *head_called(struct weston_compositor *compositor, const char *name)
{
    struct weston_head *head = NULL;
    while ((head = weston_compositor_iterate_heads(compositor, head))) {
        if (strcmp(weston_head_get_name(head), name) == 0)
            return head;
    }
    return NULL;
}

static void write_view(FILE *out, struct weston_view *view)
{
    struct weston_surface *surface = view->surface;
    const char *output = view->output && view->output->name ? view->output->name : "";
    const int x = (int)view->geometry.x, y = (int)view->geometry.y;
    if (weston_surface_is_desktop_surface(surface)) {
        struct weston_desktop_surface *window = weston_surface_get_desktop_surface(surface);
        const struct weston_geometry frame = weston_desktop_surface_get_geometry(window);
        const char *title = weston_desktop_surface_get_title(window);
        const char *state = weston_desktop_surface_get_fullscreen(window)  ? "fullscreen"
                            : weston_desktop_surface_get_maximized(window) ? "maximized"
                                                                           : "normal";
        fprintf(out, "window\t%s\t%s\t%d\t%d\t%d\t%d\t%s\n", title ? title : "", output, x + frame.x,
                y + frame.y, frame.width, frame.height, state);
    } else if (view->layer_link.layer && view->layer_link.layer->position == WESTON_LAYER_POSITION_UI) {
        fprintf(out, "panel\t\t%s\t%d\t%d\t%d\t%d\tnormal\n", output, x, y, surface->width, surface->height);
    }
}

/* Written beside and renamed, so that a reader never sees half a list. */
static void write_views(struct control *control)
{
    char path[4096], partial[4096];
    snprintf(path, sizeof path, "%s.views", control->path);
    snprintf(partial, sizeof partial, "%s.views.part", control->path);
    FILE *out = fopen(partial, "w");
    if (!out) {
        weston_log("zuvelo control: cannot write %s\n", partial);
        return;
    }
    struct weston_layer *layer;
    struct weston_view *view;
    wl_list_for_each(layer, &control->compositor->layer_list, link) {
        wl_list_for_each(view, &layer->view_list.link, layer_link.link) {
            if (weston_surface_is_mapped(view->surface))
                write_view(out, view);
        }
    }
    if (fclose(out) == 0)
        rename(partial, path);
}

static void run_command(struct control *control, const char *line)
{
    char name[64];
    if (strcmp(line, "views") == 0) {
        write_views(control);
        return;
    }
    if (sscanf(line, "unplug %63s", name) == 1 || sscanf(line, "plug %63s", name) == 1) {
        struct weston_head *head = head_called(control->compositor, name);
        if (head)
            weston_head_set_connection_status(head, line[0] == 'p');
        else
            weston_log("zuvelo control: no output %s\n", name);
    } else {
        weston_log("zuvelo control: unknown command \"%s\"\n", line);
    }
}

static int read_commands(int fd, uint32_t mask, void *data)
{
    struct control *control = data;
    (void)mask;
    ssize_t got;
    while ((got = read(fd, control->pending + control->pending_length,
                       sizeof control->pending - 1 - control->pending_length)) > 0) {
        control->pending_length += (size_t)got;
        control->pending[control->pending_length] = '\0';
        char *line = control->pending, *end;
        while ((end = strchr(line, '\n'))) {
            *end = '\0';
            run_command(control, line);
            line = end + 1;
        }
        control->pending_length = strlen(line);
        /* A line longer than the buffer is dropped rather than kept forever. */
        if (control->pending_length == sizeof control->pending - 1)
            control->pending_length = 0;
        memmove(control->pending, line, control->pending_length);
    }
    return 0;
}

static int listen_for_commands(struct weston_compositor *compositor, const char *path)
{
    if (mkfifo(path, 0600) != 0 && errno != EEXIST) {
        weston_log("zuvelo control: cannot make %s: %s\n", path, strerror(errno));
        return -1;
    }
    /* Held open for writing too, so that the pipe never reads as ended
     * between two writers. */
    int fd = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    struct control *control = fd < 0 ? NULL : calloc(1, sizeof *control);
    if (!control) {
        weston_log("zuvelo control: cannot open %s\n", path);
        if (fd >= 0)
            close(fd);
        return -1;
    }
    control->compositor = compositor;
    control->path = path;
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE, read_commands,
                         control);
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
    (void)argc;
    (void)argv;
    const struct weston_windowed_output_api *api = weston_windowed_output_get_api(compositor);
    if (!api || api->create_head(compositor, "headless2") != 0)
        return -1;
    const char *control = getenv("ZUVELO_WESTON_CONTROL");
    return control && *control ? listen_for_commands(compositor, control) : 0;
}
