#pragma once
// The behaviour of the group windows: the group manager, the group-name prompt, the fill window
// and the bulk-fill window with its text prompt. The windows are layouts of forms/; the main
// window hooks these handlers to them each time it opens one.
#include <string>

class Group;
class Rod;
class PersonEditor;

class GroupManager {
public:
    explicit GroupManager(PersonEditor& main) : main_(main) { }

    // Hooks the manager's and the fill window's controls to the handlers below.
    static void bind(PersonEditor& main);

    void vytvoritBTClick();
    void zkopirovatBTClick();
    void prejmenovatBTClick();
    void vyprazdnitBTClick();
    void smazatBTClick();
    void invertovatBTClick();
    void naplnitBTClick();
    void hromadneBTClick();
    // The four family buttons; `extend` is the mark operation of the button.
    void addRelatives(void (Rod::*extend)());
    void skupinyLISTClick();
    void clenoveLISTClickCheck();
    // The fill window's buttons.
    void muziBTClick();
    void zenyBTClick();
    void zacatekBTClick();

    // The group-name prompt, re-shown until the name is not empty and no other group has it
    // (`present`: the name a renamed group has now, which is accepted as it is). False on Storno.
    bool askGroupName(std::string& name, const std::string* present);
    // The group selected in the manager's list, or none after telling that none is.
    Group* selectedGroupOrTell();

private:
    Group* selectedGroup();
    // Replaces the selected group's members by the persons that qualify, then tells so.
    template<class Qualifies> void refillSelected(Qualifies qualifies);

    PersonEditor& main_;
};

class BulkFill {
public:
    explicit BulkFill(PersonEditor& main) : main_(main) { }

    // Hooks the bulk-fill window's nine field buttons.
    static void bind(PersonEditor& main);
    // The group of the selected line, or none for the all-persons line (and for no line).
    Group* selectedGroup();
    // The prompt captioned with the field's label: its text, or the cancel marker on Storno.
    std::string askFillText(const std::string& label);
    // One field button (index into the table of fields).
    void fieldClick(int field);

    static constexpr const char* cancelMarker = "mrCancelXY";

private:
    PersonEditor& main_;
};
