/* A weston module that adds a second output to the headless backend, which
 * makes only one itself. The output's size comes from weston.ini's [output]
 * section named "headless2", as the first one's from its own section.
 *
 * With ZUVELO_WESTON_CONTROL naming a path, the module also listens on a
 * named pipe there, so that a test can plug a projector in and out, one
 * command a line:
 *   unplug NAME   the output's monitor is disconnected (the output goes away)
 *   plug NAME     it is connected again, with its size from weston.ini */
#include <libweston/libweston.h>
#include <libweston/windowed-output-api.h>

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

static void run_command(struct control *control, const char *line)
{
    char name[64];
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
