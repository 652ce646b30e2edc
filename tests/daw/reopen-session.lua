-- Opens the saved test session in a new Ardour, reports what it reads back and exports it again.
local V = dofile (os.getenv ("VELA_LUA_DIR") .. "/vela-in-ardour.lua")

V.start_engine ()
assert (load_session (os.getenv ("VELA_SESSION_DIR"), "test"), "the session does not load")
local vela = V.vela_on (V.track ())
V.settle ()
V.report_values ("reopened", vela)
V.export ("second")
close_session ()
