# Chapter "The Awakening": the wreck, the crossroads, the search for a weapon,
# the wolves that wait for the unarmed, and the tower.

# The colour set again where it is already normal: a terminal still gets it.
=== normal_colour
{normal}\

=== wreck
Groaning, you come to. You are lying alone on the cold ground, surrounded by the wreckage of the cart and bloody body parts.
The horse is gone too, fled or eaten. To your relief, though, there's no sign of the dragon either.
Apparently you're the only survivor. Your hands are still bound.
~
~
{option 1 >} Look around for something to get rid of your bonds
{option 2 again} Look around for other survivors and call out{_}
~
~
{quit} Quit

=== cut_the_bonds
Close by you spot a sharp-edged splinter of wood. With some effort you crawl over to it to saw through your bonds.
It takes you a good deal of work, but at last the rope gives way, and you can stand up.
~
~

=== call_for_survivors
You look around and shout as loud as you can. But there's no one there, and no one answers. You are alone.
~
~
~

# The sentence about the mountains breaks its line after the comma.
=== crossroads
You feel weak, but apart from the aches from the fall you seem to be largely unhurt.
It's already getting dark. You should find some shelter for the night; who knows what dangers lurk out here.
~
Slowly the cold creeps into you. It's still winter, and you're wearing only simple clothes, apparently those of a common man.
You look around: you're standing on a wide road in the middle of the wilderness. To your right rises a mighty mountain range,{n}where you might find a cave for the night, even if dangers may lurk there as well.
Judging by the sun, the road runs from north to south. Far to the south, smoke is rising, perhaps from a settlement.
To the north, a huge tower looms up out of the forest, but there's no way you'll reach it before nightfall.
~
You could also stay here and wait for someone to come along. The remains of the cart would make a makeshift camp.
Either way, you should look around for a weapon. Who knows, maybe one is just lying around here somewhere.
~
~

# Offered until the sword is found.
=== search_option
{option 1 again} Look around and search for a weapon

=== way_options
{option 2 >} Head for the mountain to look for a cave
{option 3 >} Go south to find out where the smoke is coming from
{option 4 >} Head toward the tower
~
~
{quit} Quit

=== already_searched
You've already done that.
~
~

=== sword_found
For quite a while you rummage through the wreckage in search of a weapon. Night has fallen in the meantime, but the search pays off: between the planks you find a sword.
The sword is short and notched, but it should do for a start. Satisfied, you tuck it into your belt.

# The space below the sword's banner.
=== after_sword_banner
~
~

=== mountain_death
You decide not to lose any time and set off straight for the mountain.
Carefully you make your way through the dense forest toward the mountains.
As darkness falls, you suddenly hear wolves howling.
You quicken your pace, but the wolves catch up with you, and without a weapon you can't defend yourself.
No one but the wolves hears your screams as they tear you to pieces.
By the next morning, nothing is left of you but a bloody scrap.

=== south_wolves
You're just about to set off south when something suddenly rustles in the bushes, and a pack of wolves bursts out of the forest.

=== tower_wolves
You're just about to set off toward the tower when something suddenly rustles in the bushes, and a pack of wolves bursts out of the forest.

# The end of the wolves' ambush, to the south and to the tower alike.
=== wolf_food
Without a weapon you're easy prey, and you end up as wolf food.

=== tower
You choose the tower as your goal and set off.
The walk is uneventful, though the night all around you sets your nerves on edge.
Only when you reach the tower do you grasp its true size: it is truly enormous, and menacing into the bargain.
Cautiously you approach the great gate. It is locked.
You raise your hand to use the knocker, which is shaped like a wolf's head, and notice a note on the door:
~
~
{speech}This tower belongs to the mighty wizard Xerxes, who is currently away on vacation. Pray call again later.
{normal}You curse. Now the only way left to you is toward the column of smoke, where you suspect a town. So you'll have to turn back.
Frustrated, you set off.
~
~
