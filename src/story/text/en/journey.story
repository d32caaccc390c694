# Chapter "Journey": on to the city with Ragnar, with the bard Bittersport, or
# alone by night.

# --- With Ragnar ------------------------------------------------------------

# The options stay golden: the typed number and the first line of any answer
# are golden too.
=== with_ragnar
Together with Ragnar, you continue on your way. {speech}We are almost there,{normal} he tells you with a cheerful smile, but even after a night's rest the exhaustion is plain on his face too.
~
~
{option 1 >} Talk about the dragon attack
{option 2 >} Ask him about the Oracle
{option 3 >} Stay silent

=== talk_about_dragon
Ragnar sighs. The subject clearly makes him uneasy.
{speech}I would rather not think back on it. I barely escaped the beast, and I believed I was the only one who made it off the cart alive.
All the more does it gladden me that you made it too, {name}. But no one has seen a dragon in a hundred years. It is strange.
{normal}He sighs again and gazes thoughtfully into the distance.
{speech}Perhaps the Oracle has an answer to that as well. But now, let us press on.

=== ask_about_oracle
When you ask him about the Oracle, Ragnar grows thoughtful.
{speech}I know little of it. They say it is a woman who speaks with the gods. The rest we shall learn when we get there.

=== ragnar_picks_up_the_pace
{normal}Ragnar picks up the pace. It's hard going, but you keep up, because you're in a hurry to reach the city too.
~
~

=== stay_silent
You follow Ragnar in silence; he, too, keeps his mind quietly on the road.

# In whatever colour the answer left.
=== wound_still_hurts
The wound in your leg still hurts, but you don't complain and focus on putting one foot in front of the other.

# --- With the bard ----------------------------------------------------------

# The tales are not golden, though every one of them leads on.
=== with_the_bard
Traveling with Bittersport is exhausting, because the bard talks and sings without pause. And when he isn't singing, he pesters you with questions about your supposed adventures as Hulgor.
Still, you prefer his company to traveling alone, because he knows the way to the city, and you don't.
So you cheerfully make up stories about all the things you have supposedly lived through.
~
~
{option 1 on} Tell the tale of how you slew a dragon
{option 2 on} Tell of an adventure with a troll
{option 3 on} Tell of a battle against blood elves

=== tale_of_the_dragon
You tell of an epic battle against a dragon, and your last playthrough of a fantasy video game serves you well.
{speech}It was in a city in the desert, when all of a sudden a beast as big as three houses came flying in and attacked.
Its eyes glowed red as coals, and the people fled in panic, crying: {‚}A dragon! A dragon!{‘}
Even the guards were afraid. Only I stood there, perfectly calm, a mighty axe in my hand, and bade the dragon begone.
But the dragon would not listen and attacked. So I split its skull with a single blow.

=== tale_of_the_troll
{speech}Once, in a vast mountain range, I hunted a wicked troll that held a nearby village in fear and terror.
The battle in its cave lasted two days and two nights, until at last the beast lay slain.

=== tale_of_the_blood_elves
{speech}In the war against the blood elves, I slew more than a hundred of them single-handed. There has been bad blood between us ever since.

=== bard_believes_you
{normal}\
~
~
The bard hangs on your every word and seems to believe all of it.
{speech}You are truly a hero! {normal}he cries, and you breathe a sigh of relief, because he is actually buying your hair-raising tales.
{speech}I simply must write a heroic ballad about this, {normal}says the bard, delighted.
At last he falls silent for a while, and you almost enjoy the quiet of the falling night.
~
~
Some time later you spot the walls of a city in the distance and sigh with relief. Perhaps you'll find answers there.

# --- Alone ------------------------------------------------------------------

=== walking_alone
You've been walking for quite a while now. The road lies lonely and deserted.
You simply follow it, alone with your thoughts, wondering how you got here, and where exactly here is.
An almost oppressive silence surrounds you.
The night is dark, but the moon shines so brightly here that you can make out the way even without a torch.
~
~
You lose all sense of time, until at last a stone wall comes into view, lit by the pale glow of the city's countless torches.
Finally, you think, and quicken your pace for the last stretch.
