#pragma once
// A person editor for the undo tests: it keeps what the replay shows (the page, the person, each
// field's control value and the focus), answers the questions from a queue and deletes the shown
// person on a yes, as the main window does.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/editor_port.h"
#include "model/rod.h"
#include "model_helpers.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeEditor : public EditorPort {
public:
    explicit FakeEditor(Rod& tree) : tree_(tree) { tree.attachEditor(this); }

    void updateUndoButtons() override
    {
        ++buttonUpdates;
        undoEnabled = tree_.canUndo();
        redoEnabled = tree_.canRedo();
    }
    void setUndoReplaying(bool r) override
    {
        replaying = r;
        replayingWasSet |= r;
    }
    void showEditorPage(EditorPage p) override { page = p; }
    void showPersonOfStep(Clovek* p) override
    {
        shown = p;
        log.push_back("show");
    }
    void showPartnershipOfStep(Svatba* s) override { partnership = s; }
    void putFieldText(const std::string& key, const std::string& text) override
    {
        fields[key] = text;
        focus = key;
    }
    void putFieldFlag(const std::string& key, bool value) override
    {
        flags[key] = value;
        focus = key;
    }
    void putAboutFlag(const std::string& key, bool about, int tolerance) override
    {
        flags[key] = about;
        fields[key] = "+- " + std::to_string(tolerance);
        focus = key;
    }
    void putDate(const std::string& key, const Datum& d) override
    {
        fields[key] = d.day + "." + d.month + "." + d.year;
        focus = key;
    }
    void focusField(const std::string& key) override { focus = key; }
    void putMemoLines(const std::string& key, const std::vector<std::string>& lines) override
    {
        memos[key] = lines;
        log.push_back("memo exit " + key);
    }
    void showUserCaption(int field, const std::string& caption) override
    {
        fields["ruser" + std::to_string(field)] = caption;
    }
    void showBasicPage() override { log.push_back("basic page"); }
    void fillPartnerList(int row) override { log.push_back("partners " + std::to_string(row)); }
    void fillResidenceList(int row) override { log.push_back("residences " + std::to_string(row)); }
    void fillEducationList(int row) override { log.push_back("educations " + std::to_string(row)); }
    void fillOccupationList(int row) override { log.push_back("occupations " + std::to_string(row)); }
    void showPortrait() override { log.push_back("portrait"); }
    void refreshPercentFilled(Clovek* p) override
    {
        p->updatePercentFilled();
        log.push_back("percent");
    }
    void paintPersonList() override { }
    void sortPersonList() override { log.push_back("sort"); }
    TextSource& texts() override { return texts_; }
    bool askYesNo(const std::string& question) override
    {
        questions.push_back(question);
        return nextAnswer();
    }
    bool confirmDeletePerson() override
    {
        questions.push_back("delete " + (shown ? shown->firstName.str() : std::string("?")));
        if (!nextAnswer())
            return false;
        tree_.removePerson(shown);
        shown = nullptr;
        return true;
    }
    std::string workingFolderPath() override { return folder; }

    bool nextAnswer()
    {
        if (answers.empty())
            return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }

    EditorPage page = EditorPage::furtherData;
    Clovek* shown = nullptr;
    Svatba* partnership = nullptr;
    std::string focus;
    std::map<std::string, std::string> fields;
    std::map<std::string, bool> flags;
    std::map<std::string, std::vector<std::string>> memos;
    std::vector<std::string> log;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::string folder;
    bool replaying = false;
    bool replayingWasSet = false;
    bool undoEnabled = false;
    bool redoEnabled = false;
    int buttonUpdates = 0;

private:
    Rod& tree_;
    FakeTexts texts_;
};
