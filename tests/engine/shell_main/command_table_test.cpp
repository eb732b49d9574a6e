#include "shell/command_table.h"

#include "core/Globali.h"

#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const char* const kTwoColumns = "Questo metodo richiede almeno due colonne.";
const char* const kNothingToDelete = "Non ci sono colonne finali da eliminare.";
const char* const kNothingToCheck = "Non ci sono colonne finali da controllare.";
const char* const kNothingToPrint = "Non ci sono colonne finali da stampare!";
const std::string kNeed6 =
    "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 6 numeri.";
const std::string kNeed7 =
    "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 7 numeri.";
const std::string kNeed9 =
    "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 9 numeri.";

struct World {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};

    World(int forecast, std::int32_t columns) {
        for (int i = 1; i <= forecast; ++i) g.system.forecast.set(i, true);
        EXPECT_TRUE(g.system.columns.tryResize(columns > 0 ? columns : 1));
        for (std::int32_t i = 1; i <= columns; ++i) g.system.columns.at(i) = Column{{1, 2, 3, 4, 5, 6}};
        g.system.columns.count = columns;
    }
};

// One row per refusal or pass; together they visit every check of every command that has one.
struct Case {
    const char* item;
    int forecast;
    std::int32_t columns;
    std::string text; // empty: the command may open
    MessageIcon icon = MessageIcon::Warning;
    bool snapshot = false;
    bool selection = false;
};

const Case kCases[] = {
    {"Riduzioneortogonaledelpronostico1", 6, 0, kNeed7},
    {"Riduzioneortogonaledelpronostico1", 7, 0, ""},
    {"Riduzionedelpronosticoagaranzia1", 6, 0, kNeed7},
    {"Riduzionedelpronosticoagaranzia1", 7, 0, ""},
    {"Riduzioneortogonaledellecolonne1", 0, 1, kTwoColumns},
    {"Riduzioneortogonaledellecolonne1", 0, 2, ""},
    {"Riduzionedellecolonneagaranzia1", 0, 1, kTwoColumns},
    {"Riduzionedellecolonneagaranzia1", 0, 2, ""},
    // The column test comes first, then the forecast must hold seven numbers.
    {"Chiusuraortogonaledellecolonne1", 0, 1, kTwoColumns},
    {"Chiusuraortogonaledellecolonne1", 6, 2, kNeed7},
    {"Chiusuraortogonaledellecolonne1", 7, 2, ""},
    {"Chiusuradellecolonneagaranzia1", 0, 1, kTwoColumns},
    {"Chiusuradellecolonneagaranzia1", 6, 2, kNeed7},
    {"Chiusuradellecolonneagaranzia1", 7, 2, ""},
    {"Aggiungicolonnepirappresentative1", 6, 0, kNeed7},
    {"Aggiungicolonnepirappresentative1", 7, 0, ""},
    // Here the forecast comes first.
    {"Eliminacolonnemenorappresentative1", 5, 0, kNeed6},
    {"Eliminacolonnemenorappresentative1", 6, 0, kNothingToDelete},
    {"Eliminacolonnemenorappresentative1", 6, 1, ""},
    {"Ottimizzaprobabilitdivincita1", 6, 0, kNeed7},
    {"Ottimizzaprobabilitdivincita1", 7, 1, "Questo metodo richiede la presenza di almeno 2 colonne.",
     MessageIcon::Information},
    {"Ottimizzaprobabilitdivincita1", 7, 2, ""},
    {"Riduzioneprobabilisticainbaseairitardi1", 5, 0, kNeed6},
    {"Riduzioneinbaseairitardi1", 5, 0, kNeed6},
    {"Riduzioneprobabilisticainbaseallefrequenze1", 5, 0, kNeed6},
    {"Riduzioneinbaseallefrequenze1", 5, 0, kNeed6},
    {"Riduzioneinbaseaprobabilitpersonalizzate1", 5, 0, kNeed6},
    {"RiduzionetramiteilconfrontoconlarchiviostoricodelSuperenalotto1", 5, 0, kNeed6},
    {"Riduzionecondizionata1", 5, 0, kNeed6},
    {"Riduzionecondizionata1", 6, 0, ""},
    {"Riduzionetramitecolonnefiltro1", 5, 0, kNeed6},
    {"Riduzionecruciverba1", 8, 0, kNeed9},
    {"Riduzionecruciverba1", 9, 0, ""},
    {"Riduzioneinbaseainumeri1", 5, 0, kNeed6},
    {"Riduzioneinbaseallecadenze1", 5, 0, kNeed6},
    {"Riduzioneinbaseallefigure1", 5, 0, kNeed6},
    {"Riduzioneinbasealledecine1", 5, 0, kNeed6},
    {"Normalizzadistribuzionedeinumeri1", 9, 1, kTwoColumns},
    {"Normalizzadistribuzionedeinumeri1", 6, 2, kNeed7},
    {"Normalizzadistribuzionedeinumeri1", 7, 2, ""},
    {"Sostituzionecombinazionidinumeri1", 0, 0, "Questo metodo richiede almeno una colonna."},
    {"Sostituzionecombinazionidinumeri1", 0, 1, ""},
    {"Aggiungicolonnecasuali1", 6, 0, kNeed7},
    {"Eliminacolonnecasualmente1", 90, 0, kNothingToDelete},
    {"Eliminacolonnecasualmente1", 0, 1, ""},
    {"Applicariduttore1", 5, 0, kNeed6},
    {"Gestioneriduttori1", 0, 0, ""},
    {"Sviluppointegraledelpronostico1", 5, 0, kNeed6},
    {"Sviluppointegraledelpronostico1", 6, 0, ""},
    {"Eliminatuttelecolonne1", 0, 0, kNothingToDelete},
    {"Eliminatuttelecolonne2", 0, 0, kNothingToDelete},
    {"Eliminatuttelecolonne2", 0, 1, ""},
    {"Spogliodellecolonne1", 90, 0, kNothingToCheck},
    {"Spogliodellecolonne1", 0, 1, ""},
    {"Spoglioconlarchiviostorico1", 90, 0, kNothingToCheck},
    {"Calcolaprobabilitrelativadivincita1", 90, 0, kNothingToCheck},
    {"Calcolaprobabilitrelativadivincita1", 5, 1, kNeed6},
    {"Calcolaprobabilitrelativadivincita1", 6, 1, ""},
    {"Calcolaprobabilitassolutadivincita1", 90, 0, kNothingToCheck},
    {"Calcolaprobabilitassolutadivincita1", 0, 1, ""},
    {"Visualizzadistribuzionedeinumeri1", 90, 0, kNothingToCheck},
    {"Visualizzadistribuzionedeinumeri1", 5, 1, kNeed6},
    {"Annullaultimaoperazione1", 0, 5, "Non ci sono colonne da ripristinare!", MessageIcon::Information},
    {"Annullaultimaoperazione1", 0, 0, "", MessageIcon::Warning, true},
    {"Modificacolonneselezionate1", 0, 0, "Non ci sono colonne da modificare!", MessageIcon::Information,
     false, true},
    {"Modificacolonneselezionate1", 0, 3, "Selezionare le colonne da modificare!", MessageIcon::Information},
    {"Modificacolonneselezionate1", 0, 3, "", MessageIcon::Warning, false, true},
    {"Inserimentocolonnedatastiera1", 0, 0, ""},
    {"Eliminacolonneselezionate1", 0, 0, "Non ci sono colonne da eliminare!", MessageIcon::Information},
    {"Eliminacolonneselezionate1", 0, 1, ""},
    {"Ordinacolonne1", 0, 0, "Non ci sono colonne finali da ordinare."},
    {"Stampasuschedineda5pannelli1", 90, 0, kNothingToPrint, MessageIcon::Information},
    {"Stampasuschedineda2pannelli1", 90, 0, kNothingToPrint, MessageIcon::Information},
    {"Stampasuschedineda5pannelli2", 90, 0, kNothingToPrint, MessageIcon::Information},
    {"Stampasuschedineda2pannelli2", 90, 0, kNothingToPrint, MessageIcon::Information},
    {"Stampasuschedineda2pannelli2", 0, 1, ""},
    {"Stampasucartacomune1", 0, 0, ""},
    {"Calibralastampaverticalesuschedineda5pannelli1", 0, 0, ""},
    {"AggiornadaInternet1", 0, 0, ""},
};

TEST(CheckCommand, RefusesWithTheRowsMessage) {
    const FixedFieldTexts noFixed{};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.item + std::string(" forecast ") + std::to_string(c.forecast) + " columns " +
                     std::to_string(c.columns));
        World w(c.forecast, c.columns);
        if (c.snapshot) {
            ASSERT_TRUE(w.g.undo.allocate());
            w.g.undo.snapshotCount = 4;
        }
        const CommandItem* item = FindCommandItem(c.item);
        ASSERT_NE(item, nullptr);
        const bool opens = CheckCommand(*item, w.g, CommandContext{noFixed, c.selection});
        EXPECT_EQ(opens, c.text.empty());
        if (c.text.empty()) {
            EXPECT_TRUE(w.messages.shown.empty());
            continue;
        }
        ASSERT_EQ(w.messages.shown.size(), 1u); // the first failing check stops the rest
        EXPECT_EQ(w.messages.last().text, c.text);
        EXPECT_EQ(w.messages.last().title, "Attenzione");
        EXPECT_EQ(w.messages.last().icon, c.icon);
        EXPECT_EQ(w.messages.last().buttons, MessageButtons::Ok);
    }
}

TEST(CheckCommand, ForecastChecksValidateAndStoreTheFixedNumbers) {
    World w(10, 0);
    const CommandItem* item = FindCommandItem("Sviluppointegraledelpronostico1");
    ASSERT_NE(item, nullptr);

    const FixedFieldTexts duplicate{"3", "", "3", "", ""};
    EXPECT_FALSE(CheckCommand(*item, w.g, CommandContext{duplicate, false}));
    EXPECT_EQ(w.messages.last().text, "La fissa numero 2 non è valida!");
    EXPECT_EQ(w.g.system.fixed.count, 0);

    const FixedFieldTexts good{"3", "", "7", "", ""};
    EXPECT_TRUE(CheckCommand(*item, w.g, CommandContext{good, false}));
    EXPECT_EQ(w.g.system.fixed.count, 2);
    EXPECT_EQ(w.g.system.fixed.numbers[1], 7);
}

TEST(CheckCommand, UndoNeedsTheBufferAsWellAsACount) {
    World w(0, 0);
    w.g.undo.snapshotCount = 3; // a count without a buffer is not a snapshot
    EXPECT_FALSE(CheckCommand(*FindCommandItem("Annullaultimaoperazione1"), w.g, CommandContext{{}, false}));
}

void CollectNames(const std::vector<CommandItem>& items, std::set<std::string>& names, int& commands) {
    for (const CommandItem& item : items) {
        if (item.kind == ItemKind::Separator) continue;
        EXPECT_TRUE(names.insert(item.name).second) << "duplicate item name " << item.name;
        EXPECT_FALSE(std::string(item.caption).empty()) << item.name;
        if (item.kind == ItemKind::Command) {
            ++commands;
            EXPECT_FALSE(std::string(item.handler).empty()) << item.name;
        }
        CollectNames(item.children, names, commands);
    }
}

TEST(CommandTable, NamesAreUniqueAndEveryButtonRunsAnItem) {
    std::set<std::string> names;
    int commands = 0;
    for (const CommandMenu& menu : CommandMenus()) {
        EXPECT_TRUE(names.insert(menu.name).second) << menu.name;
        CollectNames(menu.items, names, commands);
    }
    EXPECT_EQ(CommandMenus().size(), 9u);
    EXPECT_GE(commands, 90);

    const auto& buttons = ToolBarButtons();
    ASSERT_EQ(buttons.size(), 17u);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].number, static_cast<int>(i) + 1);
        const CommandItem* item = FindCommandItem(buttons[i].item);
        ASSERT_NE(item, nullptr) << buttons[i].item;
        EXPECT_EQ(item->kind, ItemKind::Command);
        const std::string hint = buttons[i].hint;
        EXPECT_TRUE(hint.size() > 2 && hint.front() == ' ' && hint.back() == ' ') << hint;
    }
}

TEST(CommandTable, FileItemsKeepTheirHandlersAndShortcuts) {
    struct Case {
        const char* item;
        const char* caption;
        const char* handler;
        const char* shortcut;
        bool saveQuestion;
    } cases[] = {
        {"Nuovo1", "Nuovo", "Nuovo1Click", "Ctrl+N", true},
        {"Apri1", "Apri", "Apri1Click", "Ctrl+A", true},
        {"Salvax1", "Salva", "Salvax1Click", "Ctrl+S", false},
        {"Salvaconnome1", "Salva con nome", "Salvaconnome1Click", "Ctrl+W", false},
        {"Fine1", "Esci", "Fine1Click", "Alt+F4", false},
        {"Sommario1", "Sommario", "Sommario1Click", "F1", false},
        {"Aggoingisegnicasuali1", "Aggiungi numeri casualmente", "Aggoingisegnicasuali1Click", "", false},
    };
    for (const Case& c : cases) {
        const CommandItem* item = FindCommandItem(c.item);
        ASSERT_NE(item, nullptr) << c.item;
        EXPECT_STREQ(item->caption, c.caption);
        EXPECT_EQ(item->handler, c.handler);
        EXPECT_STREQ(item->shortcut, c.shortcut);
        EXPECT_EQ(item->saveQuestion, c.saveQuestion);
    }
    const CommandItem* recent = FindCommandItem("Riapri1");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->kind, ItemKind::Submenu);
}

TEST(CommandTable, StatisticsViewsShareOneHandlerWithTheirTags) {
    const CommandMenu* stats = nullptr;
    for (const CommandMenu& menu : CommandMenus())
        if (std::string(menu.caption) == "Statistiche") stats = &menu;
    ASSERT_NE(stats, nullptr);
    ASSERT_EQ(stats->items.size(), 12u);
    for (std::size_t i = 0; i < stats->items.size(); ++i) {
        EXPECT_EQ(stats->items[i].tag, static_cast<int>(i));
        EXPECT_EQ(stats->items[i].handler, stats->items[0].handler);
    }
    EXPECT_STREQ(stats->items[8].caption, "La smorfia");
}

} // namespace
