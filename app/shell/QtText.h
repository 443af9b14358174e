#pragma once
#include <QString>

#include "resources/UiText.h"

// The texts of the chosen language as the windows put them on controls.
namespace shell {

inline QString Q(resources::Txt id) { return QString::fromStdString(resources::Text(id)); }
inline QString Q(resources::Tip id) { return QString::fromStdString(resources::Text(id)); }

}  // namespace shell
