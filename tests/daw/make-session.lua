-- Makes the test session: a stereo track whose generator (test-signal.lua) plays through Vela, the tempo, Vela's
-- settings and, when asked, a ramp of Mix; exports it once with Vela switched off (the input for vela-render) and
-- once as it is, reports what Ardour reads back and saves it.
local V = dofile (os.getenv ("VELA_LUA_DIR") .. "/vela-in-ardour.lua")

V.start_engine ()
assert (create_session (os.getenv ("VELA_SESSION_DIR"), "test", V.rate), "no session")

local tempo = tonumber (os.getenv ("VELA_BPM"))
local map = Temporal.TempoMap.fetch_writable ()
map:set_tempo (Temporal.Tempo (tempo, tempo, 4), Temporal.timepos_t (0))
Temporal.TempoMap.update (map)

local track = Session:new_audio_track (2, 2, nil, 1, V.track_name, ARDOUR.PresentationInfo.max_order,
                                       ARDOUR.TrackMode.Normal, true, false):front ()
-- Unity from Vela to the export: the fader stays at 0 dB, and with its panner bypassed the stereo track passes each
-- side straight on, as the master bus does.
track:panner_shell ():set_bypassed (true)

local generator = ARDOUR.LuaAPI.new_luaproc (Session, "Vela Test Signal")
assert (not generator:isnil (), "no test signal generator")
track:add_processor_by_index (generator, 0, nil, true)
local vela = V.new_vela ()
track:add_processor_by_index (vela, 1, nil, true)

local controls = V.controls (vela)
for _, s in ipairs (V.settings ()) do
	controls[s.id].set (s.value)
end

local ramp = os.getenv ("VELA_RAMP")
if ramp ~= "" then
	-- From the lowest to the highest value over the whole test, played back from the automation list.
	local c = controls[ramp]
	local list = c.control:alist ()
	local events = list:list ()
	events:add (Temporal.timepos_t (0), c.to_host (c.low), false, false)
	events:add (Temporal.timepos_t (math.floor (V.seconds * V.rate)), c.to_host (c.high), false, false)
	c.control:set_automation_state (ARDOUR.AutoState.Play)
end
V.settle ()

V.report ("LATENCY", vela:signal_latency ())
V.report_values ("made", vela)

vela:deactivate ()
V.export ("input")
vela:activate ()
V.settle ()
V.export ("first")

Session:save_state ("", false, false, false, false, false)
close_session ()
