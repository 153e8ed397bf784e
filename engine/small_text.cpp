#include "engine/small_text.h"

#include <ostream>

namespace engine {

std::ostream& operator<<(std::ostream& out, const SmallText& text) {
    return out << text.view();
}

}  // namespace engine
