#include "capture/load_error.h"

namespace orvant {

std::string loadErrorReport(const LoadError &error)
{
    return "Error " + std::to_string(error.number) + " (" + error.description
        + ") in procedure filDatei_Click of Formular frmOrvant";
}

} // namespace orvant
