#pragma once
// The Qt 6 Widgets renderer: every form becomes a window and every control a widget with the
// same geometry, caption and state. The program's changes reach the widgets after each
// handler; a person's actions on the widgets call the user actions of toolkit/useractions.h,
// the same the tests call. Modal windows run as modal dialogs with their own event loop;
// message boxes and common dialogs are Qt's.
#include "toolkit/runner.h"

#include <memory>
#include <string>

class QFileDialog;
class QString;
class QWidget;
class TForm;

// Qt's own windows (file, colour and print dialogs, the edit lines' context menu) speak Czech as
// the program does: installs Qt's Czech translations (Debian's qt6-translations-l10n) into the
// running QApplication. False when they are not installed.
bool loadQtCzechTranslations();

// A file dialog's filter of the class library ("Lipovetay (*.rod)|*.rod|All|*.*") as Qt's name
// filters; a description that already shows its patterns is not given them twice.
QString qtNameFilters(const std::string& filter);

// The file dialog shows the files' dates in Czech, as the rest of the program, whatever the
// system's language (Qt's own file list writes them in the system's). It becomes Qt's own
// dialog rather than the desktop's, whose language the program cannot choose.
void showCzechFileDates(QFileDialog& dialog);

class QtRenderer : public RenderHost, public ModalRunner {
public:
    // Installs itself as the application's renderer and runner and takes the screen's size.
    // A QApplication must exist.
    QtRenderer();
    ~QtRenderer() override;
    QtRenderer(const QtRenderer&) = delete;
    QtRenderer& operator=(const QtRenderer&) = delete;

    // The window of a form (made on first use).
    QWidget* window(TForm& form);
    // Brings every window in step with its form.
    void syncAll();
    // Saves a picture of the form's window as PNG; false when it cannot be written.
    bool saveScreenshot(TForm& form, const std::string& path);

    // RenderHost
    void invalidate(TControl& control) override;
    void repaintNow(TControl& control) override;
    void timerChanged(TTimer& timer) override;
    void formShown(TForm& form) override;
    void formHidden(TForm& form) override;
    void terminate() override;

    // ModalRunner
    void runModal(TForm& form) override;
    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    bool execute(TCommonDialog& dialog) override;
    TMenuItem* popup(TPopupMenu& menu, int x, int y) override;
    void print(const PrintJob& job) override;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};
