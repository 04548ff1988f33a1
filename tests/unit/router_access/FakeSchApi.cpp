#include "FakeSchApi.h"

namespace wirewright::test {

TFakeHost& Host() {
    static TFakeHost Instance;
    return Instance;
}

} // namespace wirewright::test
