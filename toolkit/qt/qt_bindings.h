#pragma once
// Inside the Qt renderer: one binding per kind of control, which says how its widget shows the
// control and which user action a person's event on it is. Each kind lives in the file named
// after it; this declares their makers and what several kinds share. Only toolkit/qt/ includes
// this.
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/qt/qt_impl.h"
#include "system/stringlist.h"

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QWidget;
class TButton;
class TCheckBox;
class TComboBox;
class TDrawGrid;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TListBox;
class TMemo;
class TMonthCalendar;
class TPageControl;
class TPanel;
class TProgressBar;
class TRadioButton;
class TRadioGroup;
class TScrollBar;
class TSpeedButton;
class TSplitter;
class TStatusBar;
class TTabSheet;
class TUpDown;

std::unique_ptr<Binding> makeLabelBinding(QtRenderer::Impl& r, TLabel& c, QWidget* parent);
std::unique_ptr<Binding> makeGridBinding(QtRenderer::Impl& r, TDrawGrid& c, QWidget* parent);
std::unique_ptr<Binding> makeImageBinding(QtRenderer::Impl& r, TImage& c, QWidget* parent);
std::unique_ptr<Binding> makeButtonBinding(QtRenderer::Impl& r, TButton& c, QWidget* parent);
std::unique_ptr<Binding> makeSpeedButtonBinding(QtRenderer::Impl& r, TSpeedButton& c, QWidget* parent);
std::unique_ptr<Binding> makeCheckBoxBinding(QtRenderer::Impl& r, TCheckBox& c, QWidget* parent);
std::unique_ptr<Binding> makeRadioButtonBinding(QtRenderer::Impl& r, TRadioButton& c, QWidget* parent);
std::unique_ptr<Binding> makeRadioGroupBinding(QtRenderer::Impl& r, TRadioGroup& c, QWidget* parent);
std::unique_ptr<Binding> makeGroupBoxBinding(QtRenderer::Impl& r, TGroupBox& c, QWidget* parent);
std::unique_ptr<Binding> makePanelBinding(QtRenderer::Impl& r, TPanel& c, QWidget* parent);
std::unique_ptr<Binding> makePageControlBinding(QtRenderer::Impl& r, TPageControl& c, QWidget* parent);
std::unique_ptr<Binding> makeEditBinding(QtRenderer::Impl& r, TEdit& c, QWidget* parent);
std::unique_ptr<Binding> makeMemoBinding(QtRenderer::Impl& r, TMemo& c, QWidget* parent);
std::unique_ptr<Binding> makeComboBinding(QtRenderer::Impl& r, TComboBox& c, QWidget* parent);
std::unique_ptr<Binding> makeListBinding(QtRenderer::Impl& r, TListBox& c, QWidget* parent);
std::unique_ptr<Binding> makeScrollBarBinding(QtRenderer::Impl& r, TScrollBar& c, QWidget* parent);
std::unique_ptr<Binding> makeProgressBinding(QtRenderer::Impl& r, TProgressBar& c, QWidget* parent);
std::unique_ptr<Binding> makeStatusBarBinding(QtRenderer::Impl& r, TStatusBar& c, QWidget* parent);
std::unique_ptr<Binding> makeSplitterBinding(QtRenderer::Impl& r, TSplitter& c, QWidget* parent);
std::unique_ptr<Binding> makeUpDownBinding(QtRenderer::Impl& r, TUpDown& c, QWidget* parent);
std::unique_ptr<Binding> makeCalendarBinding(QtRenderer::Impl& r, TMonthCalendar& c, QWidget* parent);
// A tab sheet's widget is a page the page control's tab widget makes and owns.
std::unique_ptr<Binding> makeTabSheetBinding(QtRenderer::Impl& r, TTabSheet& sheet);

inline std::vector<std::string> linesOf(const TStringList& list)
{
    return list.lines();
}

inline QStringList toQStrings(const std::vector<std::string>& lines)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& l : lines)
        out << toQString(l);
    return out;
}
