#pragma once
// The common dialogs (open, save, picture, print, colour) and message boxes. Each goes through
// the application's runner: a real dialog in the program, a scripted answer in tests.
#include "toolkit/colors.h"
#include "toolkit/control.h"

#include <string>

class TCommonDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string Title;
    // True when the person confirmed; false at once while the program is ending (Terminate).
    bool Execute();
    virtual const char* ClassName() const = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    std::string FileName;
    std::string InitialDir;
    // "Description|*.ext|Other|*.a;*.b", as the class library writes it.
    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;
    bool OverwritePrompt = false;
    bool FileMustExist = false;
    const char* ClassName() const override { return "TOpenDialog"; }
    virtual bool saving() const { return false; }
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    const char* ClassName() const override { return "TSaveDialog"; }
    bool saving() const override { return true; }
};

class TOpenPictureDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    const char* ClassName() const override { return "TOpenPictureDialog"; }
};

class TSavePictureDialog : public TSaveDialog {
public:
    using TSaveDialog::TSaveDialog;
    const char* ClassName() const override { return "TSavePictureDialog"; }
};

class TPrintDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    int Copies = 1;
    const char* ClassName() const override { return "TPrintDialog"; }
};

class TColorDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    TColor Color = clBlack;
    const char* ClassName() const override { return "TColorDialog"; }
};

// Message box buttons and answers; the answers are the modal results' numbers.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_ABORTRETRYIGNORE = 0x2;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
constexpr int MB_RETRYCANCEL = 0x5;
constexpr int MB_ICONERROR = 0x10;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONWARNING = 0x30;
constexpr int MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The information message: the text with an OK button and the information icon, the application
// title as caption. Every message the program tells (a refusal, a date that cannot be true, an
// announcement) is this one box, so they all look alike.
void ShowMessage(const std::string& text);
