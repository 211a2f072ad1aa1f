// The wizard's reading of the catalogue on any text, taken as a file: the
// bitmap names up to the first gap, the product list, and the file keys of
// the first products, each into a buffer of exactly 256 chars. The product
// list keeps its bounds, and a name judged safe has no way out of its folder.
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/input_file.h"
#include "wizard/file_list.h"
#include "wizard/wizard_state.h"

#include <string.h>

#include <memory>

namespace {

const unsigned kProductsWithFileKeys = 8;
// The last one is longer than the part of a suffix that a key keeps.
const char *const kProductSuffixes[] = {"FILENAME", "TEMPNAME", "FILESIZE",
                                        "SUFFIX-LONGER-THAN-THE-THIRTY-TWO-KEPT"};

using Buffer = std::unique_ptr<char[]>;

Buffer NewValueBuffer()
{
    return Buffer(new char[kWizardTextSize]);
}

bool IsTerminated(const char *text)
{
    return memchr(text, '\0', kWizardTextSize) != NULL;
}

void CheckName(const char *name)
{
    FUZZ_CHECK(IsTerminated(name));
    if (IsSafeFileName(name))
        FUZZ_CHECK(name[0] != '\0' && strpbrk(name, "\\/:") == NULL && strstr(name, "..") == NULL);
}

void CheckBitmapNames(FILE *file)
{
    Buffer name = NewValueBuffer();
    for (int n = 0; ReadBitmapName(file, n, name.get()); ++n)
        CheckName(name.get());
}

void CheckProducts(FILE *file)
{
    StringList ids, urls;
    const ProductListResult result = ReadProducts(file, ids, urls);
    FUZZ_CHECK(ids.Count() <= kMaxProducts && urls.Count() <= ids.Count());
    if (result == ProductListResult::kComplete)
        FUZZ_CHECK(urls.Count() + 1 >= ids.Count());
    for (unsigned i = 0; i < ids.Count(); ++i)
        FUZZ_CHECK(strlen(ids.ItemAt(i)->text) < kWizardTextSize);
    for (unsigned i = 0; i < urls.Count(); ++i)
        FUZZ_CHECK(strlen(urls.ItemAt(i)->text) < kWizardTextSize);

    Buffer value = NewValueBuffer();
    for (unsigned product = 0; product < ids.Count() && product < kProductsWithFileKeys; ++product) {
        for (const char *suffix : kProductSuffixes) {
            if (ReadProductKey(file, static_cast<int>(product), suffix, value.get()))
                CheckName(value.get());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile input(data, size);
    if (input.get() == NULL)
        return 0;
    CheckBitmapNames(input.get());
    CheckProducts(input.get());
    return 0;
}
