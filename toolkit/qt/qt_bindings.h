#pragma once
// Inside the Qt renderer: one binding per kind of control, which says how its widget shows the
// control and which user action a person's event on it is. Each kind lives in the file named
// after it; this declares their makers and what several kinds share. Only toolkit/qt/ includes
// this.
#include "system/stringlist.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/qt/qt_impl.h"

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

std::unique_ptr<Binding> makeLabelBinding(QtRenderer::Impl& renderer, TLabel& c, QWidget* parent);
std::unique_ptr<Binding> makeGridBinding(QtRenderer::Impl& renderer, TDrawGrid& c, QWidget* parent);
std::unique_ptr<Binding> makeImageBinding(QtRenderer::Impl& renderer, TImage& c, QWidget* parent);
std::unique_ptr<Binding> makeButtonBinding(QtRenderer::Impl& renderer, TButton& c, QWidget* parent);
std::unique_ptr<Binding> makeSpeedButtonBinding(QtRenderer::Impl& renderer, TSpeedButton& c, QWidget* parent);
std::unique_ptr<Binding> makeCheckBoxBinding(QtRenderer::Impl& renderer, TCheckBox& c, QWidget* parent);
std::unique_ptr<Binding> makeRadioButtonBinding(QtRenderer::Impl& renderer, TRadioButton& c, QWidget* parent);
std::unique_ptr<Binding> makeRadioGroupBinding(QtRenderer::Impl& renderer, TRadioGroup& c, QWidget* parent);
std::unique_ptr<Binding> makeGroupBoxBinding(QtRenderer::Impl& renderer, TGroupBox& c, QWidget* parent);
std::unique_ptr<Binding> makePanelBinding(QtRenderer::Impl& renderer, TPanel& c, QWidget* parent);
std::unique_ptr<Binding> makePageControlBinding(QtRenderer::Impl& renderer, TPageControl& c, QWidget* parent);
std::unique_ptr<Binding> makeEditBinding(QtRenderer::Impl& renderer, TEdit& c, QWidget* parent);
std::unique_ptr<Binding> makeMemoBinding(QtRenderer::Impl& renderer, TMemo& c, QWidget* parent);
std::unique_ptr<Binding> makeComboBinding(QtRenderer::Impl& renderer, TComboBox& c, QWidget* parent);
std::unique_ptr<Binding> makeListBinding(QtRenderer::Impl& renderer, TListBox& c, QWidget* parent);
std::unique_ptr<Binding> makeScrollBarBinding(QtRenderer::Impl& renderer, TScrollBar& c, QWidget* parent);
std::unique_ptr<Binding> makeProgressBinding(QtRenderer::Impl& renderer, TProgressBar& c, QWidget* parent);
std::unique_ptr<Binding> makeStatusBarBinding(QtRenderer::Impl& renderer, TStatusBar& c, QWidget* parent);
std::unique_ptr<Binding> makeSplitterBinding(QtRenderer::Impl& renderer, TSplitter& c, QWidget* parent);
std::unique_ptr<Binding> makeUpDownBinding(QtRenderer::Impl& renderer, TUpDown& c, QWidget* parent);
std::unique_ptr<Binding> makeCalendarBinding(QtRenderer::Impl& renderer, TMonthCalendar& c, QWidget* parent);
// A tab sheet's widget is a page the page control's tab widget makes and owns.
std::unique_ptr<Binding> makeTabSheetBinding(QtRenderer::Impl& renderer, TTabSheet& sheet);

// A tooltip as Qt shows it: wrapped to a width the screen holds, however long the text.
QString toolTipOf(const std::string& text);

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
