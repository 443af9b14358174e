#include "editors/NotStored.h"

#include "editors/EditorText.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"

namespace editors {

void TellNotStored(const std::string& caption, std::string_view text) {
  platform::Warn(caption + ": " + platform::MessageExcerpt(text) + "\n" +
                 EditorText(EditorTxt::NotStored));
}

}  // namespace editors
