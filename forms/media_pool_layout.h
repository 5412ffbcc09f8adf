#pragma once
// The one layout of the three media pools (photos, documents, files): the tree's media on the
// left with the link button at their top right, the preview of the selected medium (none for
// files) under the current person's name, the person's media with the unlink button above them,
// the persons using the selected medium below those, and delete and back along the bottom.
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

struct MediaPoolParts {
    TLabel& poolLB;
    TListBox& poolLIST;
    TSpeedButton& linkBT;
    TLabel& personNameLB;
    TImage* preview; // none for files
    TLabel& personLB;
    TListBox& personLIST;
    TSpeedButton& unlinkBT;
    TLabel& usersLB;
    TListBox& usersLIST;
    TButton& deleteBT;
    TButton& backBT;
};

// Places the parts, gives the window its size and the captions of the photo pool; the document
// and file pools put their own label captions after it.
void layOutMediaPool(TForm& window, const MediaPoolParts& parts);
