#include "app/Resources.h"

#include <QtGlobal>

static void registerFortwrightResources()
{
    Q_INIT_RESOURCE(fortwright);
}

namespace fw {

void initResources()
{
    registerFortwrightResources();
}

} // namespace fw
