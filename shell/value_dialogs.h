#pragma once
// The value prompts whose only behaviour is where the keyboard starts: the life-period entry,
// the user field caption and the quick text. Callers put the current value in, show the window
// and read the controls back on OK; the windows check nothing.
#include "forms/casove_obdobi_form.h"
#include "forms/ftext_form.h"
#include "forms/user_def_form.h"

class TcasoveObdobiFORM : public TcasoveObdobiFORMLayout {
public:
    TcasoveObdobiFORM();
    ~TcasoveObdobiFORM() override;
    // Every activation starts in the text.
    void FormActivate();
};

class TuserDefFORM : public TuserDefFORMLayout {
public:
    TuserDefFORM();
    ~TuserDefFORM() override;
    void FormActivate();
};

class TFTextFORM : public TFTextFORMLayout {
public:
    TFTextFORM();
    ~TFTextFORM() override;
    void FormShow();
};

extern TcasoveObdobiFORM* casoveObdobiFORM;
extern TuserDefFORM* userDefFORM;
extern TFTextFORM* FTextFORM;
