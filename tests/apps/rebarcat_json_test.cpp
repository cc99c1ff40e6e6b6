// Every --json answer of rebarcat read by a real JSON parser: one key style, names as
// strings, true/false, numbers as numbers and null for what is not given.
#include <nlohmann/json.hpp>

#include "rebarcat_fixture.h"

namespace {

// Every object key in `value`, at any depth.
void collectKeys(const nlohmann::json& value, std::vector<std::string>& keys) {
    if (value.is_object())
        for (const auto& [key, member] : value.items()) {
            keys.push_back(key);
            collectKeys(member, keys);
        }
    if (value.is_array())
        for (const auto& element : value) collectKeys(element, keys);
}

}  // namespace

TEST_F(Rebarcat, EveryJsonAnswerParsesWithCamelCaseKeys) {
    const std::vector<std::vector<std::string>> commands = {
        {"info"},
        {"families"},
        {"standards"},
        {"bars", "Grade 60"},
        {"bar", "FE500 HA", "12", "--si"},
        {"weight", "Grade 60", "5", "20"},
        {"names", "Grade 60"},
        {"standard", "Grade 60"},
        {"diameters", "--standard", "ACI"},
        {"hook", "ACI", "Grade 60", "5"},
        {"hook", "ACI", "Grade 60", "5", "--minimal", "tie", "--angle", "90"},
        {"set", "FE500 HA", "10", "--weight", "0.6"},
        {"add", "FE500 HA", "16", "--diameter", "16"},
        {"remove", "FE500 HA", "16"},
    };
    for (std::vector<std::string> words : commands) {
        SCOPED_TRACE(words[0]);
        words.push_back("--json");
        Outcome outcome = on(words);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        nlohmann::json parsed;
        ASSERT_NO_THROW(parsed = nlohmann::json::parse(outcome.out)) << outcome.out;
        std::vector<std::string> keys;
        collectKeys(parsed, keys);
        for (const std::string& key : keys)
            EXPECT_EQ(key.find_first_of(" -_"), std::string::npos) << key;
    }
}

TEST_F(Rebarcat, JsonValuesHaveTheirOwnTypes) {
    auto bars = nlohmann::json::parse(on({"bars", "Grade 60", "--json"}).out);
    const auto& five = bars["bars"][1];
    EXPECT_EQ(five["name"], "5") << "a name that looks numeric stays a string";
    EXPECT_EQ(five["diameter"], 0.625);
    EXPECT_TRUE(five["anchorage"].is_null());
    EXPECT_EQ(bars["units"]["weight"], "lb/ft");

    auto families = nlohmann::json::parse(on({"families", "--json"}).out);
    EXPECT_EQ(families[0]["fixedDiameter"], false);
    EXPECT_EQ(families[0]["bars"], 2);
    EXPECT_TRUE(families[2]["steelLimit"].is_null());

    auto info = nlohmann::json::parse(on({"info", "--json"}).out);
    EXPECT_EQ(info["barCatalogue"], true);
    EXPECT_EQ(info["type"], 1);

    // Shortest round-trip digits: 0.1 + 0.2 is not 0.3 and must not come back as 0.3.
    ASSERT_EQ(on({"set", "FE500 HA", "10", "--weight", "0.30000000000000004"}).status, 0);
    auto bar = nlohmann::json::parse(on({"bar", "FE500 HA", "10", "--json"}).out);
    EXPECT_EQ(bar["bar"]["weight"].get<double>(), 0.1 + 0.2);
}
