/* A weston module that adds a second output to the headless backend, which
 * makes only one itself. The output's size comes from weston.ini's [output]
 * section named "headless2", as the first one's from its own section. */
#include <libweston/libweston.h>
#include <libweston/windowed-output-api.h>

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
    (void)argc;
    (void)argv;
    const struct weston_windowed_output_api *api = weston_windowed_output_get_api(compositor);
    return api ? api->create_head(compositor, "headless2") : -1;
}
