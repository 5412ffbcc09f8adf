#pragma once
// The handlers of dialog windows whose layouts forms/ declares, hooked to their controls. The
// main window hooks every window of the program at its first activation
// (MainFrame::bindDialogEvents); a test hooks the window it makes.
class TvyberPartnera;
class TvyberDiteFORM;
class TpribuzniFORM;
class TvyhledanoFORM;
class TJakSeznamFORM;
class TtextFORM;
class TShrnutiSvatbyFORM;
class ToProgramu;
class TeasterEggFORM;

void bindPickListEvents(TvyberPartnera& w);
void bindPickListEvents(TvyberDiteFORM& w);
void bindPickListEvents(TpribuzniFORM& w);
void bindPickListEvents(TvyhledanoFORM& w);
void bindTextWindowEvents(TJakSeznamFORM& w);
void bindTextWindowEvents(TtextFORM& w);
void bindTextWindowEvents(TShrnutiSvatbyFORM& w);
void bindAboutBoxEvents(ToProgramu& w);
void bindQuizEvents(TeasterEggFORM& w);

// The number of the quiz question reached (1 at program start; past 20 when all are answered),
// kept between showings of the quiz for the whole run.
int& quizQuestionNumber();
