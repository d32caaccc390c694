#include "story/death_screen.h"

#include "state/game_state.h"
#include "state/save_file.h"
#include "story/scene.h"

void DeathScreen(const Death& death) {
    setColourInForce(TextColour::Red);
    lineEnds(death.blankLinesBefore);
    if (death.leadSound == LeadSound::Gore) {
        playSound("gore.wav");
        pauseMs(1000);
    }
    playSound("death.wav");
    sayLine(textOf(passages::messages::you_are_dead));
    lineEnds(2);
    setColourInForce(TextColour::Normal);
    if (game.permadeath == 1) {
        deleteSave();
        game.checkpoint = Checkpoint::Empty;
    }
    if (death.sword == Sword::Lost) game.hasSword = 0;
    PageBreak(death.keyPrompt);
    throw GameOver{};
}
