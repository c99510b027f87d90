// Menus of the class library as Qt menus.
#pragma once

#include <QMenu>
#include <unordered_map>

#include "platform/Menus.h"

namespace kw {

// The visible items under Root as a menu: captions in the system code page,
// "-" as a separator, check and radio marks, images of the menu's image
// list, sub-menus. Chosen tells which item an action stands for.
QMenu* BuildMenu(const TMenuItem& root, QWidget* parent, std::unordered_map<const QAction*, TMenuItem*>& chosen);

}  // namespace kw
