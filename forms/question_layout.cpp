#include "forms/question_layout.h"

#include "toolkit/screen.h"
#include "toolkit/text_lines.h"

#include <algorithm>

namespace {

constexpr int windowWidth = 377;
constexpr int margin = 8;
constexpr int questionTop = 12;
constexpr int oneLineHeight = 13;
constexpr int buttonGap = 23; // between the question's last line and the buttons
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;
constexpr int buttonSpacing = 18;
constexpr int bottomMargin = 16;

// The window's height for a question of that height.
constexpr int windowHeight(int questionHeight)
{
    return questionTop + questionHeight + buttonGap + buttonHeight + bottomMargin;
}

void placeButtons(TForm& form, std::initializer_list<TButton*> buttons, int top)
{
    const int count = static_cast<int>(buttons.size());
    int left = (form.Width - count * buttonWidth - (count - 1) * buttonSpacing) / 2;
    for (TButton* button : buttons) {
        button->SetBounds(left, top, buttonWidth, buttonHeight);
        left += buttonWidth + buttonSpacing;
    }
}

} // namespace

void layoutQuestionWindow(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons)
{
    form.Caption = "Kinvelor";
    form.BorderStyle = TFormBorderStyle::bsDialog;
    form.CloseBox = false;
    form.Position = TPosition::poScreenCenter;
    question.AutoSize = false;
    question.Alignment = TLabel::taCenter;
    fitQuestion(form, question, buttons, std::string());
}

void fitQuestion(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons,
                 const std::string& text)
{
    int width = windowWidth;
    std::vector<std::string> lines = wrappedLines(question.Font, text, width - 2 * margin);
    const int lineHeight = std::max(recordedLineHeight(question.Font), 1);
    const int room = Screen->clientRoomHeight();
    if (lines.size() > 1 && windowHeight(static_cast<int>(lines.size()) * lineHeight) > room) {
        width = std::max(windowWidth, Screen->clientRoomWidth());
        lines = wrappedLines(question.Font, text, width - 2 * margin);
        const int fit = std::max((room - windowHeight(0)) / lineHeight, 1);
        lines = firstLines(question.Font, std::move(lines), static_cast<size_t>(fit), width - 2 * margin);
    }
    const int questionHeight = lines.size() > 1 ? static_cast<int>(lines.size()) * lineHeight : oneLineHeight;
    form.Width = width;
    form.Height = windowHeight(questionHeight);
    question.SetBounds(margin, questionTop, width - 2 * margin, questionHeight);
    question.Caption = joinedLines(lines);
    placeButtons(form, buttons, questionTop + questionHeight + buttonGap);
}
