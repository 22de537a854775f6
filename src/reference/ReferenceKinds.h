#pragma once

#include <QString>

namespace quorv {

// The three reference lists (vehicle models, coaches, certificate types) are one design; this is
// everything in which they differ.
struct ReferenceKind {
    QString table; // also the name column: chexing / jiaolian / zj
    QString listScreen, listCaption;
    QString addFrame, nameLabel;                       // "添加车型", "车型："
    QString addButton, editButton, deleteButton;       // the refresh button is always `gengxin`
    QString nameCaption, timeCaption;                  // grid captions of the name and time columns
    QString emptyNameMessage, addedMessage;
    QString deletePrefix, deleteNote;                  // prefix + name + "?" + note
    bool hideOnEdit = false;                           // the list hides instead of closing on 修改
    QString editScreen, editCaption;
    bool twoFrames = false;                            // current values beside boxes for new ones
    QString oldFrame, newFrame;                        // frame titles ("原来教练", "修改教练")
};

const ReferenceKind &vehicleModels();
const ReferenceKind &coaches();
const ReferenceKind &certificateTypes();

} // namespace quorv
