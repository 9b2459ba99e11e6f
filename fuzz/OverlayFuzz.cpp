// Fuzz target of the overlay reader, the field splitter and the name table.
//
// The input is written to a file and read as an overlay. An independent model of the overlay (the
// whole input split into lines at once) predicts every lookup: its text, or that it fails. Lookups
// that must fail are made too: the fault handler installed here throws instead of ending the process,
// and the model says exactly which lookups may end that way. Any difference from the model traps.
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash.h"
#include "platform/Fault.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

struct FaultRaised {
    std::string text;
};

void ThrowFault(std::string_view /*caption*/, std::string_view text) {
    throw FaultRaised{std::string(text)};
}

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The overlay as a whole: its lines as the reader must see them, and the sections it may find.
struct Model {
    std::vector<std::string> lines;                        // line feed kept
    std::vector<std::pair<std::string, std::size_t>> keys; // indexed key, index of its line 0
    std::vector<std::string> hiddenKeys;                   // headers after the end header
};

Model BuildModel(std::string_view bytes) {
    Model model;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue; // the line feed that follows ends the line
        }
        line.push_back(c);
        if (c == '\n' || line.size() == 8191) {
            model.lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty()) {
        model.lines.push_back(std::move(line));
    }
    bool ended = false;
    for (std::size_t i = 0; i < model.lines.size(); ++i) {
        const std::string& l = model.lines[i];
        if (l.size() < 2 || l[0] != '#' || l[1] == '\n') {
            continue;
        }
        std::string key = l.substr(1, l.find('\n') == std::string::npos ? std::string::npos : l.find('\n') - 1);
        if (ended) {
            model.hiddenKeys.push_back(std::move(key));
            continue;
        }
        ended = key == "End_Of_Ovl";
        model.keys.emplace_back(std::move(key), i + 1);
    }
    return model;
}

std::optional<std::size_t> SectionStart(const Model& model, const std::string& key) {
    for (const auto& [k, start] : model.keys) {
        if (k == key) {
            return start; // the first occurrence wins
        }
    }
    return std::nullopt;
}

std::optional<std::string> ModelLine(const Model& model, const std::string& key, int index) {
    const auto start = SectionStart(model, key);
    if (!start || index < 0 || *start + static_cast<std::size_t>(index) >= model.lines.size()) {
        return std::nullopt;
    }
    const std::string& line = model.lines[*start + static_cast<std::size_t>(index)];
    return line.substr(0, line.find('\n'));
}

std::optional<std::string> ModelLongText(const Model& model, const std::string& key) {
    std::string text;
    for (int index = 0;; ++index) {
        const auto line = ModelLine(model, key, index);
        if (!line) {
            return std::nullopt;
        }
        if (!line->empty() && (*line)[0] == '#') {
            return text;
        }
        text += (index > 0 ? "\n" : "") + *line;
    }
}

// Runs `lookup`; checks its result against `expected`, or that it raised the lookup fault of `key`.
template <typename Lookup>
void Expect(const std::optional<std::string>& expected, const std::string& key, Lookup lookup) {
    try {
        const std::string got = lookup();
        Check(expected.has_value() && got == *expected);
    } catch (const FaultRaised& fault) {
        Check(!expected.has_value());
        Check(fault.text == "GTEX Error !\nThe index '" + key + "' was not found.");
    }
}

std::string PlainField(std::string_view text, char separator, int n) {
    std::size_t start = 0;
    for (int field = 0; field < n; ++field) {
        start = text.find(separator, start);
        if (start == std::string_view::npos) {
            return {};
        }
        ++start;
    }
    return std::string(text.substr(start, text.find(separator, start) - start));
}

void CheckFields(const std::string& line, std::mt19937& random) {
    const char separators[] = {',', ';', '\t', '\x81'};
    const char separator = separators[random() % 4];
    for (int n = -1; n < 6; ++n) {
        const auto field = GetField(line, separator, n);
        if (static_cast<unsigned char>(separator) >= 0x80) {
            continue; // only checked for not crashing
        }
        std::size_t count = 1;
        for (char c : line) {
            count += c == separator ? 1 : 0;
        }
        // ASCII separators never occur inside a multi-byte character, so a plain split must agree.
        Check(field.has_value() == (n >= 0 && static_cast<std::size_t>(n) < count));
        Check(!field || *field == PlainField(line, separator, n));
    }
}

void CheckHash(const Model& model, std::uint32_t buckets) {
    cmcHash table(buckets);
    std::set<std::string> added;
    // A few hundred names are plenty; with one bucket every Add walks the whole chain.
    const std::size_t names = std::min<std::size_t>(model.lines.size(), 512);
    for (std::size_t i = 0; i < names; ++i) {
        const std::string& line = model.lines[i];
        try {
            table.Add(line, static_cast<std::uint32_t>(line.size()));
            Check(added.insert(line).second);
        } catch (const FaultRaised& fault) {
            Check(added.count(line) == 1 && fault.text == "Overlapped Hash table.");
        }
    }
    for (const auto& key : added) {
        const auto* entry = table.Find(key);
        Check(entry != nullptr && entry->key == key && entry->value == key.size());
    }
    Check(table.Count() == added.size());
}

// The file the inputs are written to, in a directory of its own that goes away with the process.
struct ScratchOverlay {
    ScratchOverlay() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vqn58-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        directory = pattern;
        path = directory / "VQN58.OVL";
    }
    ~ScratchOverlay() {
        std::error_code error;
        std::filesystem::remove_all(directory, error);
    }

    std::filesystem::path directory;
    std::filesystem::path path;
};

const std::filesystem::path& OverlayPath() {
    static const ScratchOverlay scratch;
    return scratch.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::SetFaultHandler(&ThrowFault);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::FILE* file = std::fopen(OverlayPath().c_str(), "wb");
        Check(file != nullptr);
        Check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
        std::fclose(file);
    }
    const Model model = BuildModel(bytes);
    std::mt19937 random(static_cast<std::uint32_t>(std::hash<std::string_view>{}(bytes)));

    // Keys to ask for: indexed ones (duplicates included), hidden ones and ones that are nowhere.
    std::vector<std::string> keys = {"GI_Sys_AppTitle", "End_Of_Ovl", "", "#"};
    for (const auto& [key, start] : model.keys) {
        keys.push_back(key);
    }
    keys.insert(keys.end(), model.hiddenKeys.begin(), model.hiddenKeys.end());

    cmcGTex gtex;
    gtex.SetSourceFile(OverlayPath().string());
    for (int step = 0; step < 64; ++step) {
        const std::string& key = keys[random() % keys.size()];
        const int index = static_cast<int>(random() % 12) - 1;
        switch (random() % 3) {
        case 0:
            Expect(ModelLine(model, key, index), key, [&] { return gtex.GetLine(key, index); });
            break;
        case 1:
            Expect(ModelLine(model, key, 0), key, [&] { return gtex.GetText(key); });
            break;
        default:
            Expect(ModelLongText(model, key), key, [&] { return gtex.GetLongText(key); });
            break;
        }
    }
    for (std::size_t i = 0; i < model.lines.size() && i < 16; ++i) {
        CheckFields(model.lines[i].substr(0, model.lines[i].find('\n')), random);
    }
    CheckHash(model, random() % 4);
    return 0;
}
