#include "ui/IconSet.h"

#include <QFileInfo>

namespace ui {

std::vector<std::string> TreeIconNames() {
    return {"imgIcon_Tree_Rig",
            "imgIcon_Tree_Folder01",
            "imgIcon_Tree_Note01",
            "imgIcon_Tree_Note02",
            "imgIcon_Tree_WarnW_RB",
            "imgIcon_Tree_WarnE_RB"};
}

std::vector<std::string> ToolBarIconNames() {
    return {"imgIcon_Bar_File_New",
            "imgIcon_Bar_File_Open",
            "imgIcon_Bar_File_Save",
            "imgIcon_Bar_Com1",
            "imgIcon_Bar_Com2",
            "imgIcon_Bar_Com3",
            "imgIcon_Bar_Com4",
            "imgIcon_Bar_Clone_Read",
            "imgIcon_Bar_Clone_Write",
            "imgIcon_Bar_Clone_Info",
            "imgIcon_Bar_Pcg_Pen",
            "imgIcon_Bar_Pcg_Fill",
            "imgIcon_Bar_Pcg_Slider"};
}

std::vector<QIcon> LoadIcons(const std::filesystem::path& directory, const std::vector<std::string>& names) {
    std::vector<QIcon> icons;
    icons.reserve(names.size());
    for (const std::string& name : names) {
        QIcon icon;
        for (const char* suffix : {".png", "@2x.png"}) {
            const QString file = QString::fromStdString((directory / (name + suffix)).string());
            if (QFileInfo::exists(file)) {
                icon.addFile(file);
            }
        }
        icons.push_back(icon);
    }
    return icons;
}

} // namespace ui
