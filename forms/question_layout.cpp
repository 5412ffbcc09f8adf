#include "forms/question_layout.h"

void layoutQuestionWindow(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons)
{
    form.Caption = "Kinvelor";
    form.BorderStyle = TFormBorderStyle::bsDialog;
    form.CloseBox = false;
    form.Position = TPosition::poScreenCenter;
    form.SetBounds(0, 0, 377, 89);

    question.SetBounds(8, 12, 361, 13);
    question.AutoSize = false;
    question.Alignment = TLabel::taCenter;

    constexpr int width = 75;
    constexpr int gap = 18;
    const int count = static_cast<int>(buttons.size());
    int left = (form.Width - count * width - (count - 1) * gap) / 2;
    for (TButton* button : buttons) {
        button->SetBounds(left, 48, width, 25);
        left += width + gap;
    }
}
