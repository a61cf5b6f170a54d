// The upload's progress log on the main view's list: a step's line is
// replaced in place by its outcome.
#pragma once

#include "publish/UploadWalk.h"

class CFishesView;

namespace app {

class ViewUploadLog : public publish::UploadLog {
public:
    explicit ViewUploadLog(CFishesView& view) : view_(view) {}

    // Interface thread only, as every caller of a window's log.
    void line(const std::string& text) override;
    void clear() override;
    void replaceNewest(const std::string& text) override;

private:
    CFishesView& view_;
};

}  // namespace app
