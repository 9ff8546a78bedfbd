#include "reports/Printout.h"

namespace quorle {

void OfferEveryPage(int pages, platform::PrintSetup& setup, int& minPage, int& maxPage, int& selFrom, int& selTo) {
    minPage = selFrom = 1;
    maxPage = selTo = pages;
    setup.fromPage = 1;
    setup.toPage = pages;
}

void OfferNoPageNumbers(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    minPage = maxPage = selFrom = selTo = 0;
}

}  // namespace quorle
