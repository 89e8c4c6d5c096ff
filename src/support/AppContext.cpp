#include "support/AppContext.h"

#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"

namespace fw {

QString AppContext::dataPath(const QString& fileName) const
{
    return addSlash(dataDir) + fileName;
}

QString AppContext::mainFile(const QString& fileName) const
{
    return addSlash(addSlash(gamePath) + mainFolderName(gamePath)) + fileName;
}

} // namespace fw
