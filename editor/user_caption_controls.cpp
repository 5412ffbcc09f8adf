#include "editor/user_caption_controls.h"

#include "forms/hlavni_dalsi.h"
#include "system/exceptions.h"

#include <string>

UserCaptionControls userCaptionControls(DalsiSheet& d, int field)
{
    switch (field) {
    case 1:
        return {d.user1LB, d.user1BT};
    case 2:
        return {d.user2LB, d.user2BT};
    case 3:
        return {d.user3LB, d.user3BT};
    case 4:
        return {d.user4LB, d.user4BT};
    case 5:
        return {d.user5LB, d.user5BT};
    default:
        throw EInvalidOperation("userCaptionControls: no user field " + std::to_string(field));
    }
}
