#include "reports/TaxonomyReport.h"

#include "site/MainPage.h"

namespace reports {

namespace {

// Messages of the pages written off the interface thread, shown there.
class InterfacePrompter : public platform::Prompter {
public:
    InterfacePrompter(platform::BackgroundWork& work, platform::Prompter& target) : work_(work), target_(target) {}
    platform::Answer ask(const std::string& text) override {
        platform::Answer answer = platform::Answer::No;
        work_.runOnInterfaceThread([&] { answer = target_.ask(text); });
        return answer;
    }
    void tell(const std::string& text, platform::MessageKind kind) override {
        work_.runOnInterfaceThread([&] { target_.tell(text, kind); });
    }
    bool askText(const std::string& label, std::string& value) override {
        bool ok = false;
        work_.runOnInterfaceThread([&] { ok = target_.askText(label, value); });
        return ok;
    }

private:
    platform::BackgroundWork& work_;
    platform::Prompter& target_;
};

}  // namespace

TaxonomyReport::TaxonomyReport(db::CFishesDoc& doc, const site::SiteEnv& env, platform::BackgroundWork* work)
    : doc_(doc), env_(env), work_(work) {}

std::string TaxonomyReport::logTitle() const { return "************** Taxonomy report *************"; }
std::string TaxonomyReport::output() const { return site::kMainPageFile; }
std::string TaxonomyReport::pageTitle() const { return site::kMainPageTitle; }

void TaxonomyReport::writeBody(site::PageOut& out, const ItemLog& item) {
    site::SiteEnv pageEnv = env_;
    std::unique_ptr<InterfacePrompter> forward;
    if (work_ && env_.prompter) {
        forward = std::make_unique<InterfacePrompter>(*work_, *env_.prompter);
        pageEnv.prompter = forward.get();
    }
    site::writeMainPageBody(doc_, pageEnv, out, item);
}

bool startTaxonomyReport(ReportRunner& runner, platform::BackgroundWork& work, db::CFishesDoc& doc,
                         const site::SiteEnv& env) {
    return runner.start(std::make_shared<TaxonomyReport>(doc, env, &work), env);
}

}  // namespace reports
