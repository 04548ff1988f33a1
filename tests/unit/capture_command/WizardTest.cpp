// The wizard on its own: the record it fills, the host's answers it reads, its pages as drawn.
#include "CaptureFixture.h"

#include "capture/Wizard.h"
#include "hostkit/HostText.h"
#include "platform/SystemColors.h"
#include "platform/forms/SvgSnapshot.h"

#include "platform/Sound.h"

#include <fstream>

namespace snapscribe::testing {
namespace {

TEST(LeadingIntegerTest, ReadsTheNumberTheTextStartsWith) {
    const struct {
        const char* Text;
        std::int32_t Value;
    } cases[] = {
        {"12ab", 12},
        {"-40", -40},
        {"+7", 7},
        {"", 0},
        {"ab", 0},
        {"$1F", 31},
        {"0x10", 16},
        {"x1g", 1},
        {"-$10", -16},
        {" 5", 0},
        {"99999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInteger(c.Text), c.Value) << '"' << c.Text << '"';
}

class WizardTest : public CaptureFixture {
protected:
    // Runs the wizard for Record with Script; answers RunWizard's answer.
    bool Run(TSetUpInfo& record, const std::string& script) {
        static TSetUpInfo* target;
        static bool answer;
        target = &record;
        Play(script, [] { answer = RunWizard(target); });
        return answer;
    }
};

TEST_F(WizardTest, HostAnswersAreReadLeniently) {
    // A host that confirms in lower case and writes a coordinate with trailing letters.
    host->processes().add("Sch:AskForXYLocation", [](hostsim::ProcessRequest& request) {
        hostkit::CopyToHostBuffer(request.Buffer, request.Size, "LocationX=12ab | LocationY=-40 | Result=true");
        return true;
    });
    host->input().pushRegion({{50, 50}, {250, 150}});
    TSetUpInfo record;
    const auto script = folder / "lenient.bas";
    ASSERT_TRUE(Run(record, "click Button_Next\nset ebMacroFileName " + script.string() +
                                "\nclick Button_Next\nclick Button_Next\nclick Button_Next\nclick Button_Next\n"));
    EXPECT_EQ(record.LocationX, 12);
    EXPECT_EQ(record.LocationY, -40);
    EXPECT_EQ(record.MacroFileName, script.string());
    EXPECT_TRUE(record.DocumentView);
}

TEST_F(WizardTest, UnconfirmedPointKeepsTheWizardOnItsPage) {
    host->processes().add("Sch:AskForXYLocation", [](hostsim::ProcessRequest& request) {
        hostkit::CopyToHostBuffer(request.Buffer, request.Size, "LocationX=5 | Result=False");
        return true;
    });
    host->input().pushRegion({{50, 50}, {250, 150}});
    TSetUpInfo record;
    EXPECT_FALSE(Run(record, "click Button_Next\nset ebMacroFileName " + (folder / "x.bas").string() +
                                 "\nclick Button_Next\nclick Button_Next\nclick Button_Next\nclick Button_Cancel\n"));
    EXPECT_EQ(record.LocationX, 0) << "a cancelled wizard leaves the record as preset";
    EXPECT_FALSE(record.DocumentView);
}

TEST_F(WizardTest, LanguageSwitchRewritesTheMacroExtensionAndStoresTheChoice) {
    host->input().pushRegion({{50, 50}, {250, 150}});
    host->input().pushPoint({0, 0});
    TSetUpInfo record;
    ASSERT_TRUE(Run(record, "click rbClientPascal\nclick Button_Next\nclick Button_Next\nclick "
                            "Button_Next\nclick Button_Next\ncheck cbRunMacro on\ncheck cbLoadMacro off\n"
                            "click Button_Next\n"));
    EXPECT_EQ(record.MacroType, "ClientPascal");
    EXPECT_EQ(std::filesystem::path(record.MacroFileName).extension(), ".TRP");
    EXPECT_EQ(std::filesystem::path(record.MacroFileName).stem(), sheetFile.stem());
    EXPECT_TRUE(record.RunMacro);
    EXPECT_FALSE(record.LoadMacro);
}

TEST_F(WizardTest, EmptyNamesBeepAndFocusTheEmptyBox) {
    TSetUpInfo record;
    TWizard wizard(&record);
    wizard.LoadSettings();
    wizard.Load();
    wizard.Notebook_Wizard.SetPageIndex(1);
    for (auto* box : {wizard.ebSchematicFileName, wizard.ebMacroFileName}) {
        const std::string kept = box->Text();
        box->SetText("   ");
        const int beeps = platform::BeepCount();
        wizard.NextButtonClick();
        EXPECT_EQ(platform::BeepCount(), beeps + 1) << box->Name();
        EXPECT_TRUE(box->Focused()) << box->Name();
        EXPECT_EQ(wizard.Notebook_Wizard.PageIndex(), 1);
        box->SetText(kept);
    }
}

TEST_F(WizardTest, ButtonsFollowThePage) {
    TSetUpInfo record;
    TWizard wizard(&record);
    wizard.Load();
    wizard.OnShowForm();
    EXPECT_FALSE(wizard.Button_Prev.Visible());
    for (int page = 1; page <= 4; ++page) {
        wizard.Notebook_Wizard.SetPageIndex(page - 1);
        wizard.Notebook_Wizard.SetPageIndex(page);
        wizard.PrevButtonClick();
        EXPECT_EQ(wizard.Notebook_Wizard.PageIndex(), page - 1);
        EXPECT_EQ(wizard.Button_Prev.Visible(), page - 1 != 0);
        EXPECT_EQ(wizard.Button_Next.Caption(), "&Next >");
    }
    wizard.Notebook_Wizard.SetPageIndex(3);
    wizard.NextButtonClick(); // the point page without a view stays
    EXPECT_EQ(wizard.Notebook_Wizard.PageIndex(), 3);
}

TEST_F(WizardTest, PagesAreDrawnAtTheirDesignedGeometryWithRecolouredPictures) {
    TSetUpInfo record;
    TWizard wizard(&record);
    wizard.LoadSettings();
    wizard.Load();
    wizard.OnShowForm();
    EXPECT_EQ(wizard.ClientWidth(), 500);
    EXPECT_EQ(wizard.ClientHeight(), 317);
    const struct {
        const char* Image;
        int Width, Height;
    } pictures[] = {
        {"Image1", 100, 100}, {"Image2", 70, 90}, {"Image7", 70, 90}, {"Image8", 70, 90}, {"Image6", 200, 250}};
    const platform::Color face = platform::GetSystemColor(platform::SystemColor::ButtonFace);
    for (const auto& p : pictures) {
        auto* image = dynamic_cast<platform::forms::Image*>(wizard.Find(p.Image));
        ASSERT_NE(image, nullptr) << p.Image;
        EXPECT_EQ(image->Picture().Width(), p.Width);
        EXPECT_EQ(image->Picture().Height(), p.Height);
        if (std::string(p.Image) != "Image6") {
            EXPECT_EQ(image->Picture().Pixel(0, 0), face) << p.Image << ": the background takes the button face";
        }
    }
    std::filesystem::create_directories(TESSELLON_SNAPSHOT_FOLDER);
    for (int page = 0; page < 5; ++page) {
        wizard.Notebook_Wizard.SetPageIndex(page);
        const std::string svg = platform::forms::RenderSvg(wizard);
        EXPECT_NE(svg.find("Circuit Capture"), std::string::npos);
        std::ofstream(std::filesystem::path(TESSELLON_SNAPSHOT_FOLDER) / ("page" + std::to_string(page) + ".svg"))
            << svg;
    }
}

} // namespace
} // namespace snapscribe::testing
