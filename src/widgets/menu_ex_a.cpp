// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/menu_ex_a.h"

#include "common/resource_numbers.h"

namespace z408 {

CMenuExA::CMenuExA(QWidget* owner) : CMenuEx(owner) {}

void CMenuExA::Create(QWidget* owner, const QPoint& screenPos) {
    static const char* const kNames[12] = {"Chinese",    "English", "French",    "Korean",
                                           "German",     "Italian", "Spanish",   "Dutch",
                                           "Portuguese", "Russian", "Ukrainian", "Trad.Chinese"};
    CMenuEx::Create(owner, screenPos);
    SetBackground(res::kPopupBackground);
    for (int i = 0; i < 12; ++i)
        AddItem(QString::fromLatin1(kNames[i]), res::languageMenuIcon(i + 1), i + 1);
}

}  // namespace z408
