#include "platform/defaultplatform.h"

namespace pw {

bool SelectDefaultPlatform(std::string *error)
{
    if (error)
        *error = "This build has no platform backend.";
    return false;
}

} // namespace pw
