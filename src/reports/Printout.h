#pragma once
// The printout contract: the document the job runner drives page by page onto
// a print device. Every report of the system is one.
#include <climits>
#include <string>

#include "platform/Geometry.h"
#include "platform/Print.h"

namespace quorle {

// RenderPage flags: what the page may carry.
enum RenderFlag : unsigned { kRenderText = 1u << 0, kRenderGraphics = 1u << 1 };

// A printout: the document the job runner drives page by page onto a device.
class TPrintout {
public:
    explicit TPrintout(std::string title) : title_(std::move(title)) {}
    virtual ~TPrintout() = default;
    TPrintout(const TPrintout&) = delete;
    TPrintout& operator=(const TPrintout&) = delete;

    const std::string& Title() const { return title_; }
    bool WantsBanding() const { return wantsBanding_; }

    virtual void AttachDevice(platform::PrintDevice& device, platform::Size pageSize) {
        device_ = &device;
        pageSize_ = pageSize;
    }
    virtual void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
        minPage = 1;
        maxPage = INT_MAX;
        selFrom = 0;
        selTo = 0;
    }
    virtual void StartPrinting() {}
    virtual void BeginCopy(int /*fromPage*/, int /*toPage*/, unsigned /*flags*/) {}
    virtual bool PageExists(int page) { return page == 1; }
    virtual void RenderPage(int /*page*/, const platform::Rect& /*band*/, unsigned /*flags*/) {}
    virtual void EndCopy() {}
    virtual void FinishPrinting() {}

    // A spooler error met by a page that started a further page of its own
    // (0: none); the job stops on it as on any page's error.
    int PageError() const { return pageError_; }

protected:
    int pageError_ = 0;
    platform::PrintDevice* device_ = nullptr;
    platform::Size pageSize_;
    bool wantsBanding_ = false;

private:
    std::string title_;
};

// The two page ranges a printout offers the print dialog. Every page: pages
// 1 to `pages`, all chosen (and so recorded in the setup). No page numbers:
// the dialog offers none.
void OfferEveryPage(int pages, platform::PrintSetup& setup, int& minPage, int& maxPage, int& selFrom, int& selTo);
void OfferNoPageNumbers(int& minPage, int& maxPage, int& selFrom, int& selTo);

}  // namespace quorle
