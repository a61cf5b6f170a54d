// Local seconds of dates and times, looked up once per day, against mktime
// in zones with daylight-saving changes (also one that changes at midnight).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/Dates.h"

namespace {

std::time_t byMktime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// Sets TZ for one test and puts back what the program had.
class InZone : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        hadZone_ = tz != nullptr;
        if (hadZone_) saved_ = tz;
    }
    void TearDown() override {
        if (hadZone_) setenv("TZ", saved_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    static void use(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    // Every quarter hour (and a few odd seconds) of the given days.
    static void expectSameAsMktime(int year, int month, int firstDay, int lastDay) {
        for (int day = firstDay; day <= lastDay; ++day) {
            core::LocalTimes local;
            for (int hour = 0; hour < 24; ++hour)
                for (int minute = 0; minute < 60; minute += 15)
                    for (int second : {0, 1, 59}) {
                        const std::time_t want = byMktime(year, month, day, hour, minute, second);
                        ASSERT_EQ(local.seconds(year, month, day, hour, minute, second), want)
                            << std::getenv("TZ") << " " << day << "." << month << "." << year << " " << hour << ":"
                            << minute << ":" << second;
                    }
        }
    }

private:
    bool hadZone_ = false;
    std::string saved_;
};

TEST_F(InZone, MoscowAcrossItsMarchAndOctoberChanges) {
    use("Europe/Moscow");  // summer time until 2011: 28 March and 31 October 2010
    expectSameAsMktime(2010, 3, 25, 31);
    expectSameAsMktime(2010, 10, 28, 31);
    expectSameAsMktime(2010, 11, 1, 2);
    expectSameAsMktime(2014, 10, 25, 27);  // the 2014 change of the standard offset
}

TEST_F(InZone, BerlinAcrossItsMarchAndOctoberChanges) {
    use("Europe/Berlin");
    expectSameAsMktime(2025, 3, 28, 31);
    expectSameAsMktime(2025, 10, 24, 27);
    expectSameAsMktime(1980, 1, 1, 2);  // the date that stands for "not set"
}

TEST_F(InZone, AZoneThatChangesAtMidnight) {
    use("America/Sao_Paulo");  // 2018: clocks went from 00:00 to 01:00 on 4 November
    expectSameAsMktime(2018, 11, 3, 5);
    expectSameAsMktime(2019, 2, 15, 17);
}

TEST_F(InZone, AChangedZoneIsNoticedByTheNextConverter) {
    use("Europe/Berlin");
    const std::time_t berlin = core::localDate(1, 7, 2025);
    EXPECT_EQ(core::notSetDate(), byMktime(1980, 1, 1, 0, 0, 0));
    use("Europe/Moscow");
    const std::time_t moscow = core::localDate(1, 7, 2025);
    EXPECT_EQ(berlin - moscow, 3600);  // UTC+2 in summer against UTC+3
    EXPECT_EQ(core::notSetDate(), byMktime(1980, 1, 1, 0, 0, 0));
    EXPECT_TRUE(core::isNotSet(byMktime(1980, 1, 1, 0, 0, 0)));
}

TEST_F(InZone, ValuesOutsideTheCalendarAreNormalisedAsMktimeDoes) {
    use("Europe/Berlin");
    core::LocalTimes local;
    EXPECT_EQ(local.seconds(2025, 2, 30), byMktime(2025, 2, 30, 0, 0, 0));
    EXPECT_EQ(local.seconds(2025, 13, 1), byMktime(2025, 13, 1, 0, 0, 0));
    EXPECT_EQ(local.seconds(2025, 3, 30, 24, 0, 0), byMktime(2025, 3, 30, 24, 0, 0));
    EXPECT_EQ(core::localDate(0, 3, 2024), byMktime(2024, 3, 0, 0, 0, 0));  // 29 February
    EXPECT_EQ(local.seconds(2024, 2, 29, 12), byMktime(2024, 2, 29, 12, 0, 0));
}

}  // namespace
