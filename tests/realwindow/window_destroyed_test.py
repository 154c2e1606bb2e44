"""Another program destroys the game's window (as `xdotool windowclose` does): the game ends
with status 0, as when the player closes the window, instead of playing on with no window."""
import realwindow as rw


def test(game, options):
    game.xdotool("windowclose", game.window_id)
    status = game.exit_status()
    rw.expect(status == 0, f"the game ended with status {status} after its window was destroyed")


rw.run(test)
