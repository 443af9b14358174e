#pragma once
#include <string>
#include <string_view>

// Binds the link library's functions by name at their first call. The program keeps the
// library's decorated names ("_init_klvn_slave@4"); the library exports the plain C names.
namespace platform {

// "_init_klvn_slave@4" -> "init_klvn_slave"; a name without decoration comes back unchanged.
std::string UndecoratedName(std::string_view decorated);

// Address of the library function with this decorated name. Loads libklvndrv.so on first use
// (program folder first, then the normal search). A missing library or function is shown with
// the platform's message and ends the program.
void* ResolveKlvn(std::string_view decorated);

}  // namespace platform
