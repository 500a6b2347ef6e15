#include "listing/icon_index.h"

#include <optional>
#include <string>

#include "app/integer_text.h"
#include "app/sjis.h"
#include "listing/listing_keys.h"

int IconIndexForFile(const TSettings& settings, std::string_view name) {
    std::string ext = sjis::LowerCase(ExtensionOf(name));
    if (ext.empty()) return kPlainFileImage;
    std::optional<std::int32_t> index = ParseInteger(settings.Value("Ico" + ext.substr(1)));
    if (!index || *index < 0 || *index >= kListImageCount) return kPlainFileImage;
    return *index;
}
