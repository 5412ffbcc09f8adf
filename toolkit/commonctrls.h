#pragma once
// Images, up-downs, progress and status bars, the month calendar, the date picker.
#include "system/datetime.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/stdctrls.h"

#include <string>
#include <vector>

class TEdit;

// A picture, or what the program draws on its canvas (drawn over the picture).
class TImage : public TControl {
public:
    TImage(TWinControl* parent, std::string name);
    TPicture Picture;
    bool Stretch = false;
    bool Center = false;
    bool Proportional = false;
    bool Transparent = false;
    TRecordingCanvas Canvas;
    const char* ClassName() const override { return "TImage"; }
};

// Arrow buttons that step a number shown in an edit.
class TUpDown : public TWinControl {
public:
    TUpDown(TWinControl* parent, std::string name);
    int Min = 0;
    int Max = 100;
    int Increment = 1;
    bool Wrap = false;
    // Shows the position with thousands grouped ("1 600", a no-break space between).
    bool Thousands = true;
    // The edit that shows the position; setting the position rewrites its text.
    TEdit* Associate = nullptr;

    // The position as the edit shows it: a whole number typed there counts, held within
    // Min..Max; anything else leaves the last position.
    int Position();
    // Held within Min..Max (and 16-bit); rewrites the associated edit's text.
    void setPosition(int position);
    // A person presses an arrow: one Increment up or down, OnClick.
    void userStep(bool up);
    const char* ClassName() const override { return "TUpDown"; }

private:
    int clamp(int value) const;
    int position_ = 0;
};

class TProgressBar : public TWinControl {
public:
    TProgressBar(TWinControl* parent, std::string name);
    int Min = 0;
    int Max = 100;
    int Step = 10;
    int Position() const { return position_; }
    // Held within Min..Max; repaints at once (long work pumps no messages).
    void setPosition(int position);
    // The same without painting: for a caller that paints it when it chooses (Repaint).
    void movePosition(int position);
    void StepIt() { setPosition(position_ + Step); }
    void StepBy(int delta) { setPosition(position_ + delta); }
    const char* ClassName() const override { return "TProgressBar"; }

private:
    int position_ = 0;
};

struct TStatusPanel {
    std::string Text;
    int Width = 50;
};

class TStatusBar : public TWinControl {
public:
    TStatusBar(TWinControl* parent, std::string name);
    bool SimplePanel = true;
    std::string SimpleText;
    std::vector<TStatusPanel> Panels;
    const char* ClassName() const override { return "TStatusBar"; }
};

class TMonthCalendar : public TWinControl {
public:
    TMonthCalendar(TWinControl* parent, std::string name);
    TDateTime Date() const { return date_; }
    // Fires nothing.
    void setDate(TDateTime date) { date_ = date; }
    // A person picks a day: the date changes, OnClick.
    void userPick(TDateTime date);
    const char* ClassName() const override { return "TMonthCalendar"; }

private:
    TDateTime date_ = 0;
};

// A date shown as a short date in an edit line; the program shows dates in it and reads them back.
class TDateTimePicker : public TEdit {
public:
    TDateTimePicker(TWinControl* parent, std::string name);
    TDateTime DateTime() const { return dateTime_; }
    // Shows the date part as a short date; fires OnChange as an edit does.
    void setDateTime(TDateTime value);
    const char* ClassName() const override { return "TDateTimePicker"; }

private:
    TDateTime dateTime_ = 0;
};
