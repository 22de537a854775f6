#pragma once

#include "records/RowWindowModel.h"

#include <QString>

namespace quorv {

// The receipt-number ranges and the card-number ranges are one design; this is everything in
// which the two differ.
struct RangeKind {
    QString table; // piaohao / kahao
    QString fieldStart, fieldEnd; // field names in messages about bad values

    // The range list.
    QString listScreen, listCaption, heading, frameTitle;
    QList<GridColumn> columns;
    QString incompleteMessage; // a box left empty
    QString overlapMessage;
    bool valuesCheckedFirst = false; // the value tests run before the overlap query
    bool closeAfterAdd = false;
    QString deletePrefix, deleteNote; // question: prefix + start number + "?" + note
    bool deleteAlwaysCloses = false;  // the list closes whatever the answer (else: on Yes only)
    QString emptyListMessage;
    bool emptyListCloses = false;

    // The edit screen.
    QString editScreen, editCaption;
    bool sideBySide = false; // old numbers beside empty new-number boxes
    QString editStartBox, editEndBox; // the boxes whose text is written
    QString editStartLabel, editEndLabel;
    QString saveButton, saveCaption, backButton, backCaption;
};

const RangeKind &receiptRanges();
const RangeKind &cardRanges();

} // namespace quorv
