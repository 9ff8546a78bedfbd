#include "record/Random.h"

namespace quorle {

RandomGenerator& ProcessRandom() {
    static RandomGenerator generator;
    return generator;
}

}  // namespace quorle
