#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/start_up.h"
#include "dialogs/dialog_hooks.h"

// Tavilon takes no command-line arguments: it opens an untitled drawing.
int main() {
    AppState app;
    app.usePlatform(Platform::real());
    resolvePaths(app);
    createMainWindow(app);
    bindElementDialogs(app);
    runMainLoop(app);
    return 0;
}
