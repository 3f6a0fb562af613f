#pragma once

// Where the OSP control keeps the files, folders and window names that Trazor, TrazorCalculator and
// Fkreg rely on when they run on the control's PC.
//
// On the control these are fixed Windows paths on drives C: and D:. Every path is built below one
// root folder so the programs can be tried on an office PC against a copy of the control's folders:
//
//   Windows path on the control     built here as
//   C:\OSP-P\OSPMNGCD.CNC           <root>/OSP-P/OSPMNGCD.CNC    (marker file)
//   D:\MD1                          <root>/MD1                   (program folder)
//   C:\OSP-P\V-FKEY\                <root>/OSP-P/V-FKEY          (function-key path files)
//   C:\OSP-P\V-FKEY\JPN\            <root>/OSP-P/V-FKEY/JPN      (function-key caption files)
//
// The drive letters are dropped, so both drives share the root. The root is the value of the
// environment variable TRAZOR_OSP_ROOT; without it (or when it is empty) the root is "/" on Linux,
// which gives /OSP-P/... and /MD1, and on Windows the original drive paths are used unchanged.

#include <filesystem>
#include <string_view>

namespace trazor {

class OspEnvironment {
public:
    // Builds every path below `root`.
    explicit OspEnvironment(std::filesystem::path root);

    // Root from TRAZOR_OSP_ROOT, or the platform default described above.
    static OspEnvironment FromEnvironment();

    const std::filesystem::path& Root() const { return root_; }

    // The file whose presence means "running on the control"; its content is never read.
    std::filesystem::path MarkerFile() const;
    // The folder where the open and save dialogs start on the control.
    std::filesystem::path ProgramFolder() const;
    // Folder of the function-key path files (LV*.INI with a [SuppPath] section).
    std::filesystem::path KeyFolder() const;
    // Folder of the Japanese function-key caption files (LV*.INI with a [SuppCap] section).
    std::filesystem::path CaptionFolder() const;

    // Title of the control's operator screen window.
    static constexpr std::string_view OperatorScreenTitle = "OSP-P100 HMI";

    // True when the marker file exists.
    bool IsOnControl() const;

private:
    std::filesystem::path root_;
    bool windowsDrives_ = false; // true: no root given on Windows, use C:\ and D:\ as they are
};

} // namespace trazor
