// A main window wired to fakes: what a unit test starts from.
#pragma once

#include "app/glyphora.h"
#include "tests/unit/fakes/fake_files.h"
#include "tests/unit/fakes/fake_platform.h"

namespace typelens::fakes {

struct World {
    Faults faults;
    FakeFileSystem files{faults};
    FakeEnvironment environment{faults};
    FakeFonts fonts{faults};
    FakeRegistry registry{faults};
    FakeDialogs dialogs;
    FakeTree Dir1{faults};
    FakeList File1{faults};
    FakeTextBox txFontName{faults};
    FakeTextBox cmbSize{faults, "36"};
    FakePreviewFont txPreview{faults};
    Glyphora window{{files, environment, fonts, registry, dialogs},
                    {Dir1, File1, txFontName, cmbSize, txPreview}};

    World() {
        files.addDrive('C', "");
        environment.variables["windir"] = "C:\\windows";
        files.addFolder("C:\\windows\\Fonts");
    }

    // A font file on disk whose one face is `face`.
    void addFont(const std::string& path, const std::string& face,
                 const std::string& content = "") {
        files.addFile(path, content.empty() ? "font:" + face : content);
        fonts.fileFaces[path] = {face};
    }

    // Lists `folder` (ending in "\") and clicks the file named `name` in it.
    void preview(const std::string& folder, const std::string& name) {
        File1.clear();
        File1.add(folder + name, name, 2);
        File1.select(name);
        window.onFile1Click();
    }
};

}  // namespace typelens::fakes
