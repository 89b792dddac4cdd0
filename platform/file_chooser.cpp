#include "platform/file_chooser.h"

#include <cstdio>
#include <gtk/gtk.h>

namespace {

// GTK is started lazily, the first time a dialog is needed: an editor that
// never opens a file never touches GTK.
bool ensureGtk() {
    static bool tried = false;
    static bool ok = false;
    if (!tried) {
        tried = true;
        ok = gtk_init_check(nullptr, nullptr);
        if (!ok) std::fprintf(stderr, "file dialog: GTK could not be initialised (no display?)\n");
    }
    return ok;
}

void addFilters(GtkFileChooser* chooser, const std::vector<FileFilter>& filters,
                std::vector<GtkFileFilter*>& made) {
    for (const FileFilter& f : filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, f.description.c_str());
        gtk_file_filter_add_pattern(filter, f.pattern.c_str());
        // Patterns such as "*.jpg" should also match "PHOTO.JPG".
        std::string upper = f.pattern;
        for (char& c : upper)
            c = static_cast<char>(g_ascii_toupper(c));
        if (upper != f.pattern) gtk_file_filter_add_pattern(filter, upper.c_str());
        gtk_file_chooser_add_filter(chooser, filter);
        made.push_back(filter);
    }
    if (!made.empty()) gtk_file_chooser_set_filter(chooser, made.front());
}

// Lets GTK finish hiding the dialog before control returns to the editor.
void drainGtkEvents() {
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

std::string run(GtkFileChooserAction action, const char* title, const char* accept,
                const std::vector<FileFilter>& filters, const std::string& suggestedName, int* chosenFilter) {
    if (chosenFilter) *chosenFilter = 0;
    if (!ensureGtk()) return "";
    GtkFileChooserNative* native = gtk_file_chooser_native_new(title, nullptr, action, accept, "_Cancel");
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(native);
    std::vector<GtkFileFilter*> made;
    addFilters(chooser, filters, made);
    if (action == GTK_FILE_CHOOSER_ACTION_SAVE) {
        gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
        if (!suggestedName.empty()) gtk_file_chooser_set_current_name(chooser, suggestedName.c_str());
    }

    std::string result;
    if (gtk_native_dialog_run(GTK_NATIVE_DIALOG(native)) == GTK_RESPONSE_ACCEPT) {
        if (char* name = gtk_file_chooser_get_filename(chooser)) {
            result = name;
            g_free(name);
        }
        if (chosenFilter) {
            GtkFileFilter* selected = gtk_file_chooser_get_filter(chooser);
            for (size_t i = 0; i < made.size(); ++i)
                if (made[i] == selected) *chosenFilter = static_cast<int>(i);
        }
    }
    g_object_unref(native);
    drainGtkEvents();
    return result;
}

} // namespace

std::string NativeFileChooser::chooseOpenPath(const std::vector<FileFilter>& filters) {
    return run(GTK_FILE_CHOOSER_ACTION_OPEN, "Open", "_Open", filters, "", nullptr);
}

std::string NativeFileChooser::chooseSavePath(const std::vector<FileFilter>& filters,
                                              const std::string& suggestedName, int* chosenFilter) {
    return run(GTK_FILE_CHOOSER_ACTION_SAVE, "Save", "_Save", filters, suggestedName, chosenFilter);
}
