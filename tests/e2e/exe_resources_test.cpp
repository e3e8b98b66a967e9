// What Windows reads from quillet.exe before it runs: the version resource
// (Explorer's Properties > Details), the manifest the loader applies, the
// icon Explorer draws for the file, and a PE header that carries no build
// time (two builds of one commit are byte-identical).
#include <gtest/gtest.h>

#include <windows.h>
#include <winver.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver/build_paths.h"
#include "driver/file_bytes.h"
#include "winapi/scoped_win32.h"
#include "quillet_version.h"
#include "resource.h"

namespace quillet::e2e {
namespace {

struct ModuleTraits {
    static void Close(HMODULE module) { FreeLibrary(module); }
};
using ScopedModule = quillet::Scoped<HMODULE, ModuleTraits>;

struct IconInfoBitmaps {
    ICONINFO info{};
    ~IconInfoBitmaps() {
        if (info.hbmColor != nullptr) {
            DeleteObject(info.hbmColor);
        }
        if (info.hbmMask != nullptr) {
            DeleteObject(info.hbmMask);
        }
    }
};

constexpr DWORD kVersionMs = (DWORD{QUILLET_VERSION_MAJOR} << 16) | DWORD{QUILLET_VERSION_MINOR};
constexpr DWORD kVersionLs = DWORD{QUILLET_VERSION_PATCH} << 16;

std::vector<char> ReadVersionInfo(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        ADD_FAILURE() << "no version resource in " << path << " (error " << GetLastError() << ")";
        return {};
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        ADD_FAILURE() << "GetFileVersionInfoA failed: " << GetLastError();
        return {};
    }
    return data;
}

// The bytes of a resource of the exe, loaded as data (nothing of it runs).
class ExeResources {
public:
    explicit ExeResources(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    HMODULE Module() const { return module_.Get(); }

    std::optional<std::string> Bytes(LPCSTR name, LPCSTR type) const {
        HRSRC resource = FindResourceA(module_.Get(), name, type);
        if (resource == nullptr) {
            return std::nullopt;
        }
        HGLOBAL loaded = LoadResource(module_.Get(), resource);
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr) {
            return std::nullopt;
        }
        return std::string(static_cast<const char*>(bytes), SizeofResource(module_.Get(), resource));
    }

    // The names of one resource type, "#<id>" for numbered ones, in the
    // order of the resource directory.
    std::vector<std::string> Names(LPCSTR type) const {
        std::vector<std::string> names;
        EnumResourceNamesA(module_.Get(), type, AddName, reinterpret_cast<LONG_PTR>(&names));
        return names;
    }

private:
    static BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
        auto* list = reinterpret_cast<std::vector<std::string>*>(names);
        // Appended, not "#" + ...: GCC 12 misreports that as an overlapping copy.
        std::string text = IS_INTRESOURCE(name) ? "#" : name;
        if (IS_INTRESOURCE(name)) {
            text.append(std::to_string(reinterpret_cast<ULONG_PTR>(name)));
        }
        list->push_back(std::move(text));
        return TRUE;
    }

    ScopedModule module_;
};

template <typename T>
std::optional<T> ReadStruct(const std::string& bytes, std::size_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) {
        return std::nullopt;
    }
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

TEST(ExeResources, FixedVersionIsTheProjectVersion) {
    const std::vector<char> data = ReadVersionInfo(QuilletExePath());
    ASSERT_FALSE(data.empty());
    void* block = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", &block, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, block, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed.dwFileVersionMS, kVersionMs);
    EXPECT_EQ(fixed.dwFileVersionLS, kVersionLs);
    EXPECT_EQ(fixed.dwProductVersionMS, kVersionMs);
    EXPECT_EQ(fixed.dwProductVersionLS, kVersionLs);
    EXPECT_EQ(fixed.dwFileType, DWORD{VFT_APP});
    EXPECT_EQ(fixed.dwFileOS, DWORD{VOS_NT_WINDOWS32});
    EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "a release is no debug or pre-release build";
}

TEST(ExeResources, VersionStringsNameTheProduct) {
    const std::vector<char> data = ReadVersionInfo(QuilletExePath());
    ASSERT_FALSE(data.empty());
    // Explorer reads the strings of the language the translation table names.
    void* block = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &block, &length));
    ASSERT_GE(length, 2 * sizeof(WORD));
    WORD translation[2] = {};
    std::memcpy(translation, block, sizeof translation);
    char table[64];
    std::snprintf(table, sizeof table, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);

    struct Expected {
        const char* name;
        const char* value;
    };
    const Expected strings[] = {
        {"ProductName", "Quillet"},
        {"FileDescription", "Quillet Switch"},
        {"FileVersion", QUILLET_VERSION_STRING},
        {"ProductVersion", QUILLET_VERSION_STRING},
        {"OriginalFilename", "quillet.exe"},
        {"InternalName", "quillet"},
    };
    for (const Expected& expected : strings) {
        SCOPED_TRACE(expected.name);
        const std::string query = std::string(table).append(expected.name);
        char* text = nullptr;
        UINT characters = 0;
        ASSERT_TRUE(VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &characters));
        EXPECT_STREQ(text, expected.value);
    }
}

TEST(ExeResources, OneManifestAsksForNoElevationAndDeclaresDpiAwareness) {
    const ExeResources exe(QuilletExePath());
    ASSERT_NE(exe.Module(), nullptr) << GetLastError();
    // A second manifest would leave it to the loader which one applies.
    EXPECT_EQ(exe.Names(MAKEINTRESOURCEA(24)), std::vector<std::string>{"#1"});
    const std::optional<std::string> manifest = exe.Bytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(manifest.has_value()) << "no RT_MANIFEST 1";
    for (const char* part : {"<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
                             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
                             "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"}) {
        EXPECT_NE(manifest->find(part), std::string::npos) << part;
    }
}

TEST(ExeResources, FirstIconGroupIsTheProgramIconAndMakesAnIcon) {
    const ExeResources exe(QuilletExePath());
    ASSERT_NE(exe.Module(), nullptr) << GetLastError();
    // Explorer draws a program's file with its first icon group.
    const std::vector<std::string> groups = exe.Names(MAKEINTRESOURCEA(14));
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), QUILLET_ICON_RESOURCE);

    std::optional<std::string> group = exe.Bytes(QUILLET_ICON_RESOURCE, MAKEINTRESOURCEA(14));
    ASSERT_TRUE(group.has_value()) << "no icon group " << QUILLET_ICON_RESOURCE;
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group->data()), TRUE, 32, 32, LR_DEFAULTCOLOR);
    ASSERT_NE(id, 0) << "the group lists no 32 x 32 image";
    std::optional<std::string> image = exe.Bytes(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));
    ASSERT_TRUE(image.has_value()) << "the group names icon " << id << ", which is missing";

    const ScopedIcon icon(CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image->data()),
                                                   static_cast<DWORD>(image->size()), TRUE, 0x00030000, 32, 32,
                                                   LR_DEFAULTCOLOR));
    ASSERT_TRUE(icon) << GetLastError();
    IconInfoBitmaps bitmaps;
    ASSERT_TRUE(GetIconInfo(icon.Get(), &bitmaps.info));
    BITMAP mask{};
    ASSERT_NE(GetObjectA(bitmaps.info.hbmMask, sizeof mask, &mask), 0);
    EXPECT_EQ(mask.bmWidth, 32);
}

TEST(ExeResources, HeadersCarryNoBuildTime) {
    const std::optional<std::string> file = ReadFileBytes(QuilletExePath());
    ASSERT_TRUE(file.has_value());
    const auto dos = ReadStruct<IMAGE_DOS_HEADER>(*file, 0);
    ASSERT_TRUE(dos && dos->e_magic == IMAGE_DOS_SIGNATURE);
    const auto offset = static_cast<std::size_t>(dos->e_lfanew);
    const auto nt = ReadStruct<IMAGE_NT_HEADERS>(*file, offset);
    ASSERT_TRUE(nt && nt->Signature == IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.TimeDateStamp, 0u) << "the linker wrote a time stamp";
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    // The resource directory's own time stamp, found through the section
    // that holds it.
    const IMAGE_DATA_DIRECTORY resources = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
    ASSERT_NE(resources.VirtualAddress, 0u);
    const std::size_t sections = offset + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader;
    std::optional<IMAGE_RESOURCE_DIRECTORY> root;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        const auto section = ReadStruct<IMAGE_SECTION_HEADER>(*file, sections + i * sizeof(IMAGE_SECTION_HEADER));
        ASSERT_TRUE(section.has_value());
        const DWORD start = section->VirtualAddress;
        if (resources.VirtualAddress >= start && resources.VirtualAddress - start < section->SizeOfRawData) {
            root = ReadStruct<IMAGE_RESOURCE_DIRECTORY>(
                *file, section->PointerToRawData + (resources.VirtualAddress - start));
        }
    }
    ASSERT_TRUE(root.has_value()) << "no section holds the resource directory";
    EXPECT_EQ(root->TimeDateStamp, 0u) << "the resource compiler wrote a time stamp";
}

}  // namespace
}  // namespace quillet::e2e
