// Feeds arbitrary bytes to the clone-file reader as a file. A failed read must leave the image exactly as
// it was; a successful read with the covered-range table must survive a write and a second read
// unchanged.

#include "image/cmcQcfFile.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr CloneFileRange kCovered[] = {{0x000, 0x7FF}, {1, 0}};

constexpr const char* kOverlay =
    "#GI_Sys_AppTitle\nfuzz\n#GI_Mess_FileErr_Headline\nerror\n"
    "#GI_Mess_FileErr_FileOpen\n1\n#GI_Mess_FileErr_FileAccess\n2\n#GI_Mess_FileErr_Model\n3\n"
    "#GI_Mess_FileErr_Extra\n4\n#GI_Mess_FileErr_MapRev\n5\n#GI_Mess_FileErr_Format\n6\n"
    "#GI_Mess_FileErr_Coverage\n7\n#GI_Mess_FileErr_Data\n8\n#GI_Mess_FileErr_Newer\n9\n#End_Of_Ovl\n";

class SilentBox final : public platform::IMessageBox {
public:
    Answer Show(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "clone file fuzz: %s\n", what);
        std::abort();
    }
}

void WriteFile(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    Check(out != nullptr, "cannot write the input file");
    Check(size == 0 || std::fwrite(data, 1, size, out) == size, "cannot write the input file");
    std::fclose(out);
}

struct Workspace {
    fs::path directory;
    cmcGTex overlay;
    SilentBox box;
    OverlayMessages messages{overlay, box};

    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "vqn58-fuzz-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr, "cannot make a directory");
        directory = pattern;
        const std::string text = kOverlay;
        WriteFile(directory / "fuzz.ovl", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        overlay.SetSourceFile((directory / "fuzz.ovl").string());
    }
};

cmcEeprom StartImage() {
    cmcEeprom image;
    image.SetSize(0x801);
    for (std::int32_t a = 0; a < 0x801; ++a) {
        image.SetByte(a, static_cast<std::uint8_t>(a * 13 + 5));
    }
    return image;
}

std::uint8_t ReadInto(Workspace& w, cmcEeprom& image, const fs::path& path, bool withTable) {
    cmcQcfFile file(w.messages);
    file.AttachImage(image);
    file.SetModelCodes(0x2691, 0x0001);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
    return withTable ? file.Read(path, kCovered) : file.Read(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Workspace w;
    static const cmcEeprom start = StartImage();
    const fs::path input = w.directory / "input.qcf";
    WriteFile(input, data, size);

    for (bool withTable : {true, false}) {
        cmcEeprom image = start;
        const std::uint8_t result = ReadInto(w, image, input, withTable);
        Check(result <= qcf::kData, "result code out of range");
        if (result != qcf::kOk) {
            Check(image.Equals(start), "a failed read changed the image");
            continue;
        }
        Check(image.GetByte(0x800) == start.GetByte(0x800) || !withTable, "the byte outside the table changed");
        if (!withTable) {
            continue;
        }
        // What was read must be saved and read back byte for byte.
        cmcQcfFile writer(w.messages);
        writer.AttachImage(image);
        writer.SetModelCodes(0x2691, 0x0001);
        writer.SetMapRevision(1);
        const fs::path saved = w.directory / "saved.qcf";
        Check(writer.Write(saved, kCovered) == qcf::kOk, "cannot save what was read");
        cmcEeprom again = start;
        Check(ReadInto(w, again, saved, true) == qcf::kOk, "cannot read what was saved");
        Check(again.Equals(image), "the saved file reads back differently");
    }
    return 0;
}
