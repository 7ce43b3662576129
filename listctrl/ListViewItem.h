#pragma once

#include <QString>
#include <QtGlobal>

// One item or subitem as the record form of CBaseListCtrl::SetItem takes it. Only the
// fields named in `mask` are applied.
struct ListViewItem {
    // Bits of `mask`.
    static constexpr int Text = 0x1;
    static constexpr int Image = 0x2;
    static constexpr int Param = 0x4;
    static constexpr int State = 0x8;
    // Bits of `state` and `stateMask`; they apply to the whole row.
    static constexpr int Focused = 0x1;
    static constexpr int Selected = 0x2;

    int mask = 0;
    int item = 0;    // row
    int subItem = 0; // column
    QString text;
    int image = 0;   // kept in the cell under CBaseListCtrl::ImageRole
    int state = 0;
    int stateMask = 0;
    qintptr param = 0; // kept in column 0 of the row under CBaseListCtrl::ParamRole
};
