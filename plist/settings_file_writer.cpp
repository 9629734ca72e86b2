#include "plist/settings_file_writer.h"

#include "plist/program_directory.h"
#include "plist/write_bytes_to_file.h"
#include "ui/gbk_text.h"
#include "ui/info_message.h"

namespace quorrith {

void WriteSettingsFile(std::string_view document, Edition edition) {
    bool written = false;
    {
        const std::wstring path = ProgramDirectory() + WideFromGbk(SettingsFileName(edition));
        written = WriteBytesToFile(path, document);
    }
    ShowInfoMessage(written ? kSuccessText : kFailureText, kResultCaption);
}

}  // namespace quorrith
