-- The Ardour side of the host test, run by ardour7-lua with no display;
-- ardour7-export renders the snapshots that it saves.
--
--   record <session-dir> <facts-file>
--     makes a 48 kHz session with one stereo track, records a few seconds of
--     the dummy audio backend's generated stereo signal onto it, inserts the
--     plug-in and saves one snapshot per render: "mix-zero", "bypass" and the
--     session itself with the effect settings; writes what the render checks
--     need to know into the facts file.
--   reload <session-dir>
--     loads the session, checks the values that the plug-in reports against
--     the effect settings and saves the snapshot "reloaded", whose plug-in
--     state thus comes from the reloaded plug-in.
--
-- Parameters are set and read by name, in the units that Ardour shows.

local kPluginName = "za Derazid"
local kSessionName = "derazid"
local kTrackName = "Signal"
local kSampleRate = 48000
local kSignal = "Pink Noise" -- the dummy backend's generator; its channels are uncorrelated
local kRecordSeconds = 3

-- Every parameter away from its default; Bypass off so that the effect is heard.
local kEffect = {
	{ "Level", -3 }, { "Delay", 5.5 }, { "Depth", 60 }, { "Degree", 90 }, { "Rate", 1.25 },
	{ "Feedback", 70 }, { "Mix", 80 }, { "Thru Null", 1 }, { "Bypass", 0 },
}
-- With Thru Null off and no wet share, the output is the input times Level.
local kMixZero = { { "Thru Null", 0 }, { "Mix", 0 }, { "Level", -6 } }
local kBypass = { { "Bypass", 1 } }

local function fail (message)
	error (message, 0)
end

local function startEngine ()
	if not AudioEngine:set_backend ("None (Dummy)", "", "") then
		fail ("Ardour has no dummy audio backend")
	end
	if AudioEngine:set_device_name (kSignal) ~= 0 or AudioEngine:set_sample_rate (kSampleRate) ~= 0 then
		fail ("the dummy backend refused '" .. kSignal .. "' at " .. kSampleRate .. " Hz")
	end
	if AudioEngine:start (false) ~= 0 then
		fail ("the audio engine did not start: " .. AudioEngine:get_last_backend_error ())
	end
end

local function waitUntil (what, condition)
	for _ = 1, 200 do
		if condition () then
			return
		end
		sleep (0.05)
	end
	fail ("timed out waiting for " .. what)
end

local function recordSignal (session)
	local track = session:new_audio_track (2, 2, nil, 1, kTrackName, ARDOUR.PresentationInfo.max_order,
	                                       ARDOUR.TrackMode.Normal, true, false):front ()
	if track:isnil () then
		fail ("Ardour created no stereo track")
	end
	track:rec_enable_control ():set_value (1, PBD.GroupControlDisposition.NoGroup)
	session:maybe_enable_record (false)
	session:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
	sleep (kRecordSeconds)
	session:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
	waitUntil ("the recorded region", function ()
		return session:transport_stopped () and track:playlist ():n_regions () == 1
	end)
	session:disable_record (false, false)
	track:rec_enable_control ():set_value (0, PBD.GroupControlDisposition.NoGroup)

	local region
	for r in track:playlist ():region_list ():iter () do
		region = r
	end
	-- The track must play the recorded samples unchanged: no fades at the ends.
	region:to_audioregion ():set_fade_in_active (false)
	region:to_audioregion ():set_fade_out_active (false)
	return track, region
end

local function findPlugin (track)
	for i = 0, 64 do
		local processor = track:nth_plugin (i)
		if processor:isnil () then
			break
		end
		local insert = processor:to_insert ()
		if not insert:isnil () and insert:plugin (0):name () == kPluginName then
			return processor, insert
		end
	end
	fail ("no " .. kPluginName .. " on track " .. track:name ())
end

local function insertPlugin (session, track)
	local processor = ARDOUR.LuaAPI.new_plugin (session, kPluginName, ARDOUR.PluginType.VST3, "")
	if processor:isnil () then
		fail ("Ardour could not instantiate the VST3 plug-in " .. kPluginName)
	end
	if track:add_processor_by_index (processor, 0, nil, true) ~= 0 then
		fail ("Ardour refused to insert " .. kPluginName .. " into a stereo track")
	end
	local insert = processor:to_insert ()
	local ins, outs = insert:natural_input_streams ():n_audio (), insert:natural_output_streams ():n_audio ()
	if ins ~= 2 or outs ~= 2 then
		fail (string.format ("%s runs with %d inputs and %d outputs, not 2 and 2", kPluginName, ins, outs))
	end
	return processor, insert
end

-- The control index that Ardour's parameter calls take, found by the name
-- that the plug-in gives the parameter.
local function controlIndex (insert, name)
	local plugin = insert:plugin (0)
	for n = 0, plugin:parameter_count () - 1 do
		local id, found = plugin:nth_parameter (n, false)
		if not found[2] then
			break
		end
		if plugin:parameter_label (id) == name then
			return n
		end
	end
	fail (kPluginName .. " shows no parameter named '" .. name .. "'")
end

local function setParameters (processor, insert, settings)
	for _, setting in ipairs (settings) do
		local name, value = setting[1], setting[2]
		if not ARDOUR.LuaAPI.set_processor_param (processor, controlIndex (insert, name), value) then
			fail ("Ardour could not set " .. name .. " to " .. value)
		end
	end
	-- Let the changes reach the processor, whose stored state Ardour saves.
	if not ARDOUR.LuaAPI.wait_for_process_callback (4, 5000) then
		fail ("the audio engine stopped processing")
	end
end

local function checkParameters (processor, insert, settings)
	for _, setting in ipairs (settings) do
		local name, want = setting[1], setting[2]
		local got = ARDOUR.LuaAPI.get_processor_param (processor, controlIndex (insert, name))
		print (string.format ("read back: %s = %.7g (stored %g)", name, got, want))
		-- Ardour keeps parameter values as 32-bit floats.
		if math.abs (got - want) > 4 * 2 ^ -23 * math.max (1, math.abs (want)) then
			fail (string.format ("%s reads back as %.9g after reloading, not %g", name, got, want))
		end
	end
end

local function writeFacts (path, session, region)
	local facts = assert (io.open (path, "w"))
	local function fact (key, value)
		facts:write (key, " ", tostring (value), "\n")
	end
	fact ("sample_rate", session:nominal_sample_rate ())
	fact ("range_start", session:current_start_sample ())
	fact ("range_end", session:current_end_sample ())
	fact ("region_position", region:position ():samples ())
	fact ("region_start", region:start ():samples ())
	fact ("region_length", region:length ():samples ())
	fact ("source_left", region:source (0):to_filesource ():path ())
	fact ("source_right", region:source (1):to_filesource ():path ())
	fact ("mix_zero_level_db", kMixZero[3][2])
	facts:close ()
end

local function saveSnapshot (session, name)
	-- An empty name saves the session itself.
	if session:save_state (name, false, false, false, false, false) ~= 0 then
		fail ("Ardour could not save the snapshot '" .. name .. "'")
	end
	print ("saved " .. (name == "" and kSessionName or name))
end

local function record (sessionDir, factsPath)
	startEngine ()
	local session = create_session (sessionDir, kSessionName, kSampleRate)
	if not session then
		fail ("Ardour could not create a session in " .. sessionDir)
	end
	local track, region = recordSignal (session)
	local processor, insert = insertPlugin (session, track)

	setParameters (processor, insert, kEffect)
	setParameters (processor, insert, kMixZero)
	saveSnapshot (session, "mix-zero")
	setParameters (processor, insert, kEffect)
	setParameters (processor, insert, kBypass)
	saveSnapshot (session, "bypass")
	setParameters (processor, insert, kEffect)
	saveSnapshot (session, "")
	writeFacts (factsPath, session, region)
	close_session ()
end

local function reload (sessionDir)
	startEngine ()
	local session = load_session (sessionDir, kSessionName)
	if not session then
		fail ("Ardour could not load the saved session")
	end
	local processor, insert = findPlugin (session:route_by_name (kTrackName):to_track ())
	checkParameters (processor, insert, kEffect)
	saveSnapshot (session, "reloaded")
	close_session ()
end

local mode = arg[1]
if mode == "record" and #arg == 3 then
	record (arg[2], arg[3])
elseif mode == "reload" and #arg == 2 then
	reload (arg[2])
else
	fail ("usage: ardour_session.lua record <session-dir> <facts-file> | reload <session-dir>")
end
