#pragma once
// The pool windows of the photo, document and file tabs: every medium of the tree beside the
// current person's and the persons using the selected one; link a medium of the tree to the
// person, unlink it, or delete it from the tree. One object per opening: it hooks the window's
// controls while it lives and unhooks them at the end.
#include "forms/media_pool_layout.h"
#include "model/media_lists.h"

class PersonEditor;

class MediaPool {
public:
    MediaPool(PersonEditor& main, MediaKind kind);
    ~MediaPool();
    MediaPool(const MediaPool&) = delete;
    MediaPool& operator=(const MediaPool&) = delete;

    // The person's name, the three lists filled (nothing selected), the window shown.
    void run();

    // Unlink needs a selected medium of the person; link a medium of the pool the person does
    // not show selected; delete one of the pool.
    void updateButtons(bool poolSelected, bool personSelected);
    // Each refill drops the list's selection. The pool and the person's list are sorted by the
    // order of the kind's tab, and keep that order.
    void fillPoolList();
    void fillPersonList();
    // The persons using the medium selected in the pool, each once per link.
    void fillUsersList();

    void poolClick();
    void personClick();
    void linkClick();
    void unlinkClick();
    void deleteClick();

    TForm& window() { return window_; }
    const MediaPoolParts& parts() const { return parts_; }

private:
    MediaRecord* poolRecord() const;
    void showPreview(const MediaRecord& record);
    int sortMode() const;
    // The list sorted in the tab's order into the box, with nothing selected there.
    void fillSorted(Prvky& list, TListBox& box);

    PersonEditor& main_;
    MediaKind kind_;
    TForm& window_;
    MediaPoolParts parts_;
};
