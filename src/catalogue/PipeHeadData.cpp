// The piping data loader: the file's bytes parsed (PipingFile.h), then the
// tables and the main window's piping lists filled from them.
#include "CatalogueData.h"
#include "Module1.h"
#include "PipingFile.h"
#include "SharedServices.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"

void clsPipeHeadData::GetPipeHeadFileData()
{
    PlainPipingLists noWindow; // loading without a main window fills the tables only
    PipingLists& lists = m_.frmMainPiping ? *m_.frmMainPiping : noWindow;
    platform::ListControl& cmbPiping = lists.cmbPiping();
    platform::ListControl& cmbBranch = lists.cmbBranch();
    platform::ListControl& cmbTrunk = lists.cmbTrunk();
    platform::ListControl& cmbPipeSize = lists.cmbPipeSize();
    cmbPiping.clear();
    cmbBranch.clear();
    cmbTrunk.clear();
    cmbPipeSize.clear();

    const QString path = m_.programPath(QStringLiteral("Components/PIPING.DAT"));
    if (!platform::fileExists(path)) {
        catalogue::ShowMessage(Msg::PipingFileMissing);
        platform::endProgram();
    }
    QByteArray bytes;
    std::optional<catalogue::PipingFile> file;
    if (platform::readBytes(path, bytes) == platform::ReadStatus::Ok)
        file = catalogue::parsePipingFile(bytes);
    if (!file) {
        catalogue::ShowMessage(Msg::PipingFileUnreadable);
        platform::endProgram();
    }

    // The name of each entry passes through the one name slot, as it is read.
    m_.intPipeTypeCount = 0;
    for (const auto& [name, roughness] : file->materials) {
        m_.udtPipeNames[0].strMaterial = name;
        cmbPiping.addItem(name);
        cmbPiping.setItemData(cmbPiping.listCount() - 1, m_.intPipeTypeCount);
        m_.sngPipeRoughness[m_.intPipeTypeCount++] = roughness;
    }
    cmbPiping.setListIndex(0);

    m_.intPipeSizeCount = 0;
    for (const auto& [name, diameter] : file->sizes) {
        m_.udtPipeNames[0].strSize = name;
        cmbBranch.addItem(name);
        cmbTrunk.addItem(name);
        cmbPipeSize.addItem(name);
        m_.sngPipeDiameter[m_.intPipeSizeCount++] = diameter;
    }
    cmbTrunk.setListIndex(0);
    cmbBranch.setListIndex(0);
    cmbPipeSize.setListIndex(0);

    if (file->valvesRead) {
        m_.intValveCount = 0;
        for (const typValve& valve : file->valves)
            m_.udtValves[m_.intValveCount++] = valve;
    }
    for (int s = 0; s < kPipeSizes; ++s)
        for (int k = 0; k < kFittingKinds; ++k)
            m_.sngFittingLength[s][k] = file->fittingLength[s][k];
}
