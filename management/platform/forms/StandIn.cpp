#include "forms/StandIn.h"

namespace forms::detail {

namespace {

StandIn* installed = nullptr;

}  // namespace

StandIn* InstalledStandIn()
{
    return installed;
}

void InstallStandIn(StandIn* standIn)
{
    installed = standIn;
}

}  // namespace forms::detail
