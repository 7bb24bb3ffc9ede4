#include "qt_fixture.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt::testing {
namespace {

TEST(QtText, InvalidUtf8IsReadAsLatin1) {
  EXPECT_EQ(ToQString("Gr\xfc\xdf"), QStringLiteral("Gr\u00fc\u00df"));
  EXPECT_EQ(ToQString("Gr\u00fc\u00df"), QStringLiteral("Gr\u00fc\u00df"));
}

}  // namespace
}  // namespace shell::qt::testing
